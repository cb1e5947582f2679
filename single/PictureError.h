// A picture file that cannot be opened or decoded.
#pragma once

#include "base/Errors.h"

class PictureError : public UserError {
public:
    using UserError::UserError;
};
