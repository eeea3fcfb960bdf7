// Identifiers of the resources compiled into the installer.
#pragma once

#define IDI_KORDEX 1
