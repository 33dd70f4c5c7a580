#include "core/text/windows1252_case.h"

namespace solvara {

unsigned char windows1252LowerCase(unsigned char byte) {
    constexpr unsigned char caseDistance = 0x20;
    const bool asciiCapital = byte >= 'A' && byte <= 'Z';
    // 0xC0-0xDE are the accented capitals, except 0xD7, the multiplication sign.
    const bool accentedCapital = byte >= 0xC0 && byte <= 0xDE && byte != 0xD7;
    // Š Œ Ž sit 0x10 below their small forms.
    const bool caronOrLigatureCapital = byte == 0x8A || byte == 0x8C || byte == 0x8E;
    if (asciiCapital || accentedCapital) return static_cast<unsigned char>(byte + caseDistance);
    if (caronOrLigatureCapital) return static_cast<unsigned char>(byte + 0x10);
    if (byte == 0x9F) return 0xFF;  // Ÿ
    return byte;
}

}  // namespace solvara
