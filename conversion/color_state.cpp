#include "color.h"

ColorState colorState = {255, 255, 255, 0, 0, 0, 0, 0, 0, 0.0, 0.0, 0.0};
