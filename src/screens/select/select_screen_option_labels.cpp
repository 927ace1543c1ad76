#include "screens/select/select_screen_option_labels.h"

#include <initializer_list>
#include <vector>

#include "screens/select/option_panel.h"

namespace kv {

namespace {

using S = Settings;

struct OptionLabels {
    std::int8_t Settings::*field;
    std::vector<const char*> texts;  // by code
};

const std::vector<OptionLabels>& labelTable() {
    static const std::vector<OptionLabels> table = {
        {&S::SPEED, {"sPEED  X0.5", "sPEED  X0.75", "sPEED  normal", "sPEED  X1.5", "sPEED  X2", "sPEED  X2.5",
                     "sPEED  X3", "sPEED  X3.5", "sPEED  X4", "sPEED  X4.5", "sPEED  X5", "sPEED  X6", "sPEED  X8",
                     "sPEED  X10", "sPEED  X12", "sPEED  X16", "sPEED  RANDOM", "sPEED  GRAVITY", "sPEED  COMBO",
                     "sPEED  FREE"}},
        {&S::OBJECT, {"oBJECT normal", "oBJECT MIRROR", "oBJECT RANDOM", "oBJECT PANIC", "oBJECT SHUFFLE",
                      "oBJECT ROTATE", "oBJ-EF MIRROR", "oBJ-EF RANDOM", "oBJ-EF PANIC", "oBJ-EF SHUFFLE",
                      "oBJ-EF ROTATE", "oBJECT SYMMETRY"}},
        {&S::VIEW, {"vIEW   normal", "vIEW   HIDDEN", "vIEW   SUDDEN", "vIEW   INVISIBL", "vIEW   MIDDLE",
                    "vIEW   HID-SUD"}},
        {&S::AUTOPLAY, {"aUTO   off", "aUTO   ON", "aUTO   EFFECT"}},
        {&S::REPLAY, {"rEPLAY off", "rEPLAY ON", "rEPLAY LOAD"}},
        {&S::NONSTOP, {"nONSTP off", "nONSTP ON"}},
        {&S::STYLE, {"sTYLE  BEMUSIC", "sTYLE  UPWAY", "sTYLE  SCAN2", "sTYLE  WAVE", "sTYLE  BONUS"}},
        {&S::KEY, {"kEY    5KEYS", "kEY    7KEYS", "kEY    10KEYS", "kEY    14KEYS", "kEY    5-7", "kEY    5-10",
                   "kEY    7-14", "kEY    10-14", "kEY    AUTO"}},
        {&S::LINE, {"lINE   HALF", "lINE   SEPRATE"}},
        {&S::EFFPOS, {"eFFPOS LL", "eFFPOS LR", "eFFPOS RL", "eFFPOS RR"}},
        {&S::GUIDE, {"gUIDE  SMALL", "gUIDE  BIG"}},
        {&S::LINEPOS, {"pOS    LEFT", "pOS    MIDDLE", "pOS    RIGHT"}},
        {&S::GAUGE, {"gAUGE  GROOVE", "gAUGE  SURVIVAL", "gAUGE  HIGHSC."}},
        {&S::COMBO, {"cOMBO  off", "cOMBO  GREAT", "cOMBO  GOOD", "cOMBO  COOL2"}},
        {&S::IGMISS, {"IGmISS off", "IGmISS ON"}},
        {&S::IGCOOL, {"iGCOOL off", "iGCOOL ON"}},
        {&S::TEMPO, {"tEMPO  normal", "tEMPO  HIGH", "tEMPO  HIGH2", "tEMPO  LOW1", "tEMPO  LOW2"}},
        {&S::LEVEL, {"lEVEL  normal", "lEVEL  EASY", "lEVEL  HARD"}},
        {&S::RANKING, {"rANK   off", "rANK   ON", "rANK   KVFOLDER"}},
        {&S::BGA, {"bGA    off", "bGA    NORMAL", "bGA    BIG", "bGA    TILE", "bGA    FULL", "bGA    FULL2",
                   "bGA    LISTEN", "bGA    STAGE"}},
        {&S::BACKGR, {"BACKgR off", "BACKgR ON", "BACKgR STAGE"}},
        {&S::MSGPOS, {"mSGPOS DOWN", "mSGPOS UP", "mSGPOS MIDDLE", "mSGPOS OFF"}},
        {&S::TRANSP, {"tRANSP MASK", "tRANSP BLACK"}},
        {&S::TITLESKIP, {"sKIP   ON", "sKIP   OFF"}},
        {&S::JUDGECOUNT, {"jCOUNT OFF", "jCOUNT ON"}},
        // The last page's toggles show their name when on, blanks when off.
        {&S::PERFECT2, {"  ", "PERFECT2"}},
        {&S::MISSPITCH, {"  ", "MISSPITCH"}},
        {&S::COOLONLY, {"  ", "COOLONLY"}},
        {&S::COMBOUP, {"  ", "COMBOUP"}},
        {&S::LAG, {"  ", "LAG"}},
        {&S::INVERSE, {"  ", "INVERSE"}},
    };
    return table;
}

}  // namespace

std::string optionLineLabel(int page, int line, int code) {
    if (page < 0 || page >= kOptionPages || line < 0 || line >= kOptionLinesPerPage) return "";
    const auto field = kOptionPageTable[std::size_t(page)].lines[std::size_t(line)].field;
    for (const OptionLabels& labels : labelTable())
        if (labels.field == field) return code >= 0 && code < int(labels.texts.size()) ? labels.texts[std::size_t(code)] : "";
    return "";
}

}  // namespace kv
