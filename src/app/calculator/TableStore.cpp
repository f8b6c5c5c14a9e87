#include "app/calculator/TableStore.h"

// The class is defined in its header; this file gives it a home for its meta-object code.
