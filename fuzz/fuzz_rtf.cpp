// Arbitrary bytes opened as a letter: they are read without a crash, and what was read, written
// as RTF and read again is the same document, written the same way.
#include "commun.h"
#include "tools/rtf.h"

using namespace zel;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray octets(reinterpret_cast<const char*>(data), qsizetype(size));
    const outils::rtf::Document lu = outils::rtf::lit(octets);
    const QByteArray ecrit = outils::rtf::ecrit(lu);
    const outils::rtf::Document relu = outils::rtf::lit(ecrit);
    fuzz::exige(relu == lu);
    fuzz::exige(outils::rtf::ecrit(relu) == ecrit);
    return 0;
}
