#include "lanmate/net/IncomingFile.h"
