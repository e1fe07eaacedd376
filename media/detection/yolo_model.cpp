#include "detection/yolo.h"

// The one detector: built before main(), as the class list and the model are read at start. In a
// file of its own, so only a program that uses it reads them.
YOLO yolo_model;
