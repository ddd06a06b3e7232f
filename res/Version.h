// The program's version: the one source for the version resource and everything that shows it.
#pragma once

#define BRISALTO_VERSION_MAJOR 1
#define BRISALTO_VERSION_MINOR 0
#define BRISALTO_VERSION_PATCH 0
#define BRISALTO_VERSION_TEXT "1.0.0"
