#include "ui/AppInfo.h"
