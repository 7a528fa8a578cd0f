// The application object: the runtime's Application with nothing added.
#pragma once

#include "rt/Application.h"

class Zarn : public rt::Application {
public:
    Zarn() {}
};
