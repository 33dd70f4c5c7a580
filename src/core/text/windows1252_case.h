#pragma once

namespace solvara {

// The lower-case form of a Windows-1252 upper-case letter (A-Z, the accented
// capitals, Š, Œ, Ž, Ÿ); every other byte is returned unchanged.
unsigned char windows1252LowerCase(unsigned char byte);

}  // namespace solvara
