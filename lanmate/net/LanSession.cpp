#include "lanmate/net/LanSession.h"
