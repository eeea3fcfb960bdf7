// Identifiers of the resources compiled into the installer.
#pragma once

#define IDI_KORDEX 1

// The location buttons' pictures (run-length TGA, 32 bits with alpha).
#define IDP_DEFAULT 101
#define IDP_DOCUMENTS 102
#define IDP_DESKTOP 103
#define IDP_BROWSE 104
