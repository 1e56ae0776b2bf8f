#include "catalogue.h"

#include <array>
#include <utility>

#include "form.h"
#include "language.h"
#include "resultline.h"

namespace oltrave {

namespace {

// English and Chinese, in the words of Chinese school textbooks. Blanks, brackets
// and symbols stay where the English has them, so the lines keep their shape.
constexpr std::array<WordPair, 16> kCatalogue{{
    {"Linear Function", "一次函数"},
    {"Quadratic Function", "二次函数"},
    {"Cubics Function", "三次函数"},
    {"Sine Function", "正弦函数"},
    {"Cosine Function", "余弦函数"},
    {"Tangent Function", "正切函数"},
    {"Exponential Function", "指数函数"},
    {"Logarithmic Function", "对数函数"},
    {piece::kRange, "值域 : "},
    {piece::kSymmetryAxis, "对称轴 : x = "},
    {piece::kIncreasing, "单调递增区间 : "},
    {piece::kDecreasing, "单调递减区间 : "},
    {piece::kSymmetricCenter, "对称中心 : "},
    {piece::kPeriod, "周期 T = "},
    {Form::kNotAFunction, "不是函数"},
    {Form::kZoomError, "错误 : 缩放"},
}};

} // namespace

std::string_view inChosenLanguage(std::string_view english) {
    return wordIn(kCatalogue, english);
}

} // namespace oltrave
