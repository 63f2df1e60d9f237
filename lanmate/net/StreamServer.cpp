#include "lanmate/net/StreamServer.h"
