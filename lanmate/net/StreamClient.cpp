#include "lanmate/net/StreamClient.h"
