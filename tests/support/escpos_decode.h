#pragma once

#include <cstdio>
#include <string>
#include <vector>

namespace pelk::test {

// Reads receipt-printer bytes back as the commands a printer would act on, one a string:
// "init", "codepage N", "bold on|off", "size WxH" (GS ! as width and height factors),
// "text ..." (the bytes as sent, not recoded), "lf", "feed N", "cut N", "pulse P T1 T2", and
// "unknown XX" for any byte the decoder does not know, so a stray byte fails a comparison.
inline std::vector<std::string> decodeEscPos(const std::string& b) {
    std::vector<std::string> out;
    std::string text;
    auto flush = [&] {
        if (!text.empty()) out.push_back("text " + text);
        text.clear();
    };
    auto at = [&](std::size_t i) { return i < b.size() ? static_cast<unsigned char>(b[i]) : 0xFFFu; };
    for (std::size_t i = 0; i < b.size();) {
        unsigned c = at(i);
        if (c == 0x1B && at(i + 1) == '@') {
            flush();
            out.push_back("init");
            i += 2;
        } else if (c == 0x1B && at(i + 1) == 't') {
            flush();
            out.push_back("codepage " + std::to_string(at(i + 2)));
            i += 3;
        } else if (c == 0x1B && at(i + 1) == 'E') {
            flush();
            out.push_back(at(i + 2) ? "bold on" : "bold off");
            i += 3;
        } else if (c == 0x1D && at(i + 1) == '!') {
            flush();
            unsigned n = at(i + 2);
            out.push_back("size " + std::to_string((n >> 4) + 1) + "x" + std::to_string((n & 0x0F) + 1));
            i += 3;
        } else if (c == 0x1B && at(i + 1) == 'd') {
            flush();
            out.push_back("feed " + std::to_string(at(i + 2)));
            i += 3;
        } else if (c == 0x1D && at(i + 1) == 'V') {
            flush();
            out.push_back("cut " + std::to_string(at(i + 2)));
            i += 3;
        } else if (c == 0x1B && at(i + 1) == 'p') {
            flush();
            out.push_back("pulse " + std::to_string(at(i + 2)) + " " + std::to_string(at(i + 3)) + " " +
                          std::to_string(at(i + 4)));
            i += 5;
        } else if (c == '\n') {
            flush();
            out.push_back("lf");
            ++i;
        } else if (c == '\r') {
            ++i;
        } else if (c < 0x20) {
            flush();
            char hex[16];
            std::snprintf(hex, sizeof hex, "unknown %02X", c);
            out.push_back(hex);
            ++i;
        } else {
            text += static_cast<char>(c);
            ++i;
        }
    }
    flush();
    return out;
}

}  // namespace pelk::test
