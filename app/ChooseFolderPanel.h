// The destination folder dialog: the user picks the folder the installation
// goes into, or types the destination. Created hidden at start-up, shown
// modally by the main window's fourth location button, hidden again by its
// own buttons; its controls, made when it is first shown, keep their state
// between showings.
#pragma once

#include "gui/Form.h"

// Fixed control IDs: tests and screen readers find the controls by them.
enum ChooseFolderControlId {
    idLblDF = 2001,  // "Cél mappa:"
    idBtnCancel,     // 2002 "Mégsem"
    idBtnOK,         // 2003 "Kiválaszt"
    idEdtDF,         // 2004 the destination being chosen
    idDlbDF,         // 2005 the folder list; a row's text is its folder's full path
    idDcbDF,         // 2006 the drive combo
};

class TfrmCDF : public gui::Form<TfrmCDF> {
public:
    // Created hidden, owned by the main window.
    explicit TfrmCDF(HWND owner);

    HWND lblDF = nullptr;
    HWND btnCancel = nullptr;
    HWND btnOK = nullptr;
    HWND edtDF = nullptr;
    HWND dlbDF = nullptr;
    HWND dcbDF = nullptr;

    void FormActivate();
    void dlbDFChange();
    void dcbDFChange();
    void btnOKClick();
    void btnCancelClick();

protected:
    void ControlsReady() override;
    void Activated() override { FormActivate(); }
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
};

extern TfrmCDF* frmCDF;
