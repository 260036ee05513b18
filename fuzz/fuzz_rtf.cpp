// Arbitrary bytes opened as a letter: they are read without a crash, and what was read, written
// as RTF and read again is the same document, written the same way, with nothing in it that the
// word processor could not keep.
#include "commun.h"
#include "tools/rtf.h"

using namespace zel;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray octets(reinterpret_cast<const char*>(data), qsizetype(size));
    double avance = 0;
    const outils::rtf::Document lu = outils::rtf::lecture(octets, {}, [&avance](double part) {
                                         fuzz::exige(part >= avance && part <= 1);
                                         avance = part;
                                     }).document;
    const QByteArray ecrit = outils::rtf::ecrit(lu);
    const outils::rtf::Lecture relu = outils::rtf::lecture(ecrit);
    fuzz::exige(relu.document == lu);
    fuzz::exige(relu.pertes.none());
    fuzz::exige(outils::rtf::ecrit(relu.document) == ecrit);
    return 0;
}
