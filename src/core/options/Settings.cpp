#include "options/Settings.h"

CSettings Settings;
