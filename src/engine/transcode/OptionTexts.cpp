#include "engine/transcode/OptionTexts.h"

#include <cctype>
#include <cmath>
#include <cstdlib>
#include <stdexcept>

extern "C" {
#include <libavutil/macros.h>
}

namespace engine::transcoding {

namespace {

std::string trimmed(const std::string& text)
{
    size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos)
        return {};
    size_t last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

// A whole decimal number made of digits only; -1 when it is not one.
long digitsValue(const std::string& text)
{
    if (text.empty() || text.size() > 9)
        return -1;
    for (char c : text)
        if (!std::isdigit(static_cast<unsigned char>(c)))
            return -1;
    return std::strtol(text.c_str(), nullptr, 10);
}

// A decimal number written with a "." (no exponent, no sign); NAN when the
// text is not one.
double decimalValue(const std::string& text)
{
    if (text.empty())
        return NAN;
    bool digits = false;
    bool point = false;
    for (char c : text) {
        if (std::isdigit(static_cast<unsigned char>(c)))
            digits = true;
        else if (c == '.' && !point)
            point = true;
        else
            return NAN;
    }
    return digits ? std::strtod(text.c_str(), nullptr) : NAN;
}

bool readFraction(const std::string& text, char separator, AVRational& value)
{
    size_t at = text.find(separator);
    if (at == std::string::npos)
        return false;
    long num = digitsValue(text.substr(0, at));
    long den = digitsValue(text.substr(at + 1));
    if (num < 0 || den < 0)
        throw std::invalid_argument("'" + text + "' is not a ratio of two whole numbers");
    value = num > 0 && den > 0 ? av_make_q(int(num), int(den)) : av_make_q(0, 1);
    av_reduce(&value.num, &value.den, value.num, value.den, INT32_MAX);
    return true;
}

}  // namespace

FrameSize parseFrameSize(const std::string& raw)
{
    std::string text = trimmed(raw);
    if (text.empty())
        return {};
    size_t at = 0;
    while (at < text.size() && std::isdigit(static_cast<unsigned char>(text[at])))
        ++at;
    long width = digitsValue(text.substr(0, at));
    long height = at + 1 < text.size() ? digitsValue(text.substr(at + 1)) : -1;
    if (width < 0 || height < 0)
        throw std::invalid_argument("frame size '" + raw + "' is not a width and a height such as 720*576");
    if (width == 0 || height == 0)
        return {};
    if (width > 16384 || height > 16384)
        throw std::invalid_argument("frame size '" + raw + "' is too large");
    return {int(width), int(height)};
}

AVRational parseFrameRate(const std::string& raw)
{
    std::string text = trimmed(raw);
    if (text.empty())
        return av_make_q(0, 1);
    AVRational fraction;
    if (readFraction(text, '/', fraction))
        return fraction;
    double rate = decimalValue(text);
    if (std::isnan(rate))
        throw std::invalid_argument("frame rate '" + raw + "' is not a number of frames per second");
    if (rate <= 0)
        return av_make_q(0, 1);
    if (rate > 1000)
        throw std::invalid_argument("frame rate '" + raw + "' is too high");
    if (rate != std::floor(rate)) {
        // 29.97, 23.98, 59.94: a whole rate slowed by 1000/1001.
        double whole = std::round(rate * 1001.0 / 1000.0);
        if (std::fabs(rate - whole * 1000.0 / 1001.0) < 0.01)
            return av_make_q(int(whole) * 1000, 1001);
    }
    return av_d2q(rate, 1001000);
}

AVRational parseAspectRatio(const std::string& raw)
{
    std::string text = trimmed(raw);
    if (text.empty())
        return av_make_q(0, 1);
    AVRational fraction;
    if (readFraction(text, ':', fraction) || readFraction(text, '/', fraction))
        return fraction;
    double ratio = decimalValue(text);
    if (std::isnan(ratio))
        throw std::invalid_argument("aspect ratio '" + raw + "' is neither w:h nor a decimal number");
    if (ratio <= 0)
        return av_make_q(0, 1);
    return av_d2q(ratio, 255);
}

uint32_t parseCodecTag(const std::string& raw)
{
    if (raw.empty())
        return 0;
    if (raw.size() != 4)
        throw std::invalid_argument("codec tag '" + raw + "' does not have four characters");
    return MKTAG(raw[0], raw[1], raw[2], raw[3]);
}

}  // namespace engine::transcoding
