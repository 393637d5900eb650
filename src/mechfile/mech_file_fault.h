#pragma once

#include <string>

// What is wrong with a file that holds no Mech this program can read, said for its user.
struct MechFileFault {
    std::string text;
};
