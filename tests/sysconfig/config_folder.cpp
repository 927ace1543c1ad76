#include "config_folder.h"

#include <stdexcept>

namespace kv::sysconfig {

const char* const kSampleConfig =
    "- kelvarin][ beta ver. config file -\r\n\r\n"
    "SPEED 4\r\nOBJECT 1\r\nVIEW 0\r\nAUTOPLAY 0\r\nREPLAY 0\r\nNONSTOP 0\r\nSTYLE 1\r\nKEY 1\r\nLINE 0\r\n"
    "EFFPOS 0\r\nGUIDE 0\r\nLINEPOS 1\r\nCOMBO 1\r\nIGMISS 0\r\nIGCOOL 0\r\nBGA 1\r\nBACKGR 0\r\nMSGPOS 0\r\n"
    "TRANSP 0\r\nJUDGECOUNT 1\r\nTEMPO 0\r\nTITLESKIP 1\r\nGAUGE 1\r\nLEVEL 0\r\nRANKING 1\r\nFILTER 0\r\n"
    "FILTER2 0\r\nSORT 2\r\nHEADER 0\r\nFREESPEED 25\r\nWINDOW 0\r\n3BUFFERS 1\r\nSYSMEMORY 0\r\nFLIP 1\r\n"
    "WAIT 1\r\nWAVLOAD 0\r\nWAVQUAL 0\r\nUSEJOYPAD 1\r\nBPMEDIT 50\r\nMAXFPS 120\r\nNAME ABCD\r\nSKIN 1\r\n"
    "KEYCODE 57 42 44 31 45 32 46 33 47 54 28 48 35 49 36 50 37 51\r\n"
    "JOYCODE 999 999 999 999 999 999 999 999 999 999 999 999 999 999 999 999 0 0\r\n"
    "\r\n"
    "LFONT impact\r\nSFONT times new roman\r\nPATH /music/bms\r\nPATH songs two\r\n";

void ConfigFolder::writeConfig(const std::string& text) const { folder_.write("KV2.CFG", text); }

std::string ConfigFolder::readConfig() const { return test::TempFolder::read(config()); }

std::vector<std::string> ConfigFolder::entries() const {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(path())) names.push_back(entry.path().filename().string());
    return names;
}

std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find("\r\n", start);
        if (end == std::string::npos) end = text.size();
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

std::string replaceLine(std::string text, const std::string& from, const std::string& to) {
    const std::string line = "\r\n" + from + "\r\n";
    const std::size_t at = text.find(line);
    if (at == std::string::npos) throw std::invalid_argument("no line " + from);
    text.replace(at, line.size(), to.empty() ? "\r\n" : "\r\n" + to + "\r\n");
    return text;
}

}  // namespace kv::sysconfig
