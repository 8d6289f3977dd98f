#include "transport/internal/secret.h"
