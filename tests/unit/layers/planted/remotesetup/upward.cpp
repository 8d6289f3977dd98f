// Planted for the layer check: the directory model must not reach up into the pages.
#include "pages/page_speed_dial.h"
#include "transport/port_transport.h"
