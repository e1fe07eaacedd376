#include "detection/yolo.h"

// The one detector: built before main(), which starts the read of the class list and the model
// on the detector's own thread, beside the start. In a file of its own, so only a program that
// uses it reads them.
YOLO yolo_model;
