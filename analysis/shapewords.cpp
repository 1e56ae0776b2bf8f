// The pieces of a classification in words, English or the words of Chinese
// school textbooks, as the analysis rows are.
#include <array>
#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>

#include "classify.h"
#include "model/language.h"

namespace oltrave {

namespace {

constexpr std::array<WordPair, 38> kWords{{
    {"not a function", "不是函数"},
    {"no zeros", "无零点"},
    {"one zero", "一个零点"},
    {"two zeros", "两个零点"},
    {"three zeros", "三个零点"},
    {"four zeros", "四个零点"},
    {"%1 zeros", "%1 个零点"},
    {"one family of zeros", "一组零点"},
    {"two families of zeros", "两组零点"},
    {"%1 families of zeros", "%1 组零点"},
    {"odd", "奇函数"},
    {"even", "偶函数"},
    {"neither odd nor even", "非奇非偶函数"},
    {"no extrema", "无极值"},
    {"one maximum", "一个极大值"},
    {"one minimum", "一个极小值"},
    {"two extrema: ", "两个极值："},
    {"three extrema: ", "三个极值："},
    {"%1 extrema: ", "%1 个极值："},
    {"max", "极大"},
    {"min", "极小"},
    {", ", "、"},
    {"a maximum and a minimum each period", "每个周期一个极大值、一个极小值"},
    {"increasing", "单调递增"},
    {"decreasing", "单调递减"},
    {"increasing and decreasing in turn", "增减交替"},
    {"decreasing, then increasing", "先减后增"},
    {"increasing, then decreasing", "先增后减"},
    {"monotony: ", "单调性："},
    {"inc", "增"},
    {"dec", "减"},
    {"no asymptotes", "无渐近线"},
    {"one asymptote", "一条渐近线"},
    {"two asymptotes", "两条渐近线"},
    {"%1 asymptotes", "%1 条渐近线"},
    {"one family of asymptotes", "一组渐近线"},
    {"%1 families of asymptotes", "%1 组渐近线"},
    {"; ", "，"},
}};

std::string word(std::string_view english) {
    return std::string(wordIn(kWords, english));
}

// The word for a count, from a list for none to the last; "%1" with the number beyond.
std::string counted(int n, std::initializer_list<std::string_view> named, std::string_view more) {
    if (n >= 0 && static_cast<std::size_t>(n) < named.size())
        return word(named.begin()[n]);
    std::string text = word(more);
    text.replace(text.find("%1"), 2, std::to_string(n));
    return text;
}

// The aspects of a shape a person tells apart, in the order they are said.
enum Aspect { Function, Zeros, ParityAspect, Extrema, MonotonyAspect, Asymptotes, AspectCount };

std::string extremaWords(const Shape& s) {
    if (s.extrema.empty())
        return word("no extrema");
    if (s.periodic)
        return word("a maximum and a minimum each period");
    if (s.extrema.size() == 1)
        return word(s.extrema[0] == ExtremumKind::Max ? "one maximum" : "one minimum");
    std::string text = counted(static_cast<int>(s.extrema.size()),
                               {"", "", "two extrema: ", "three extrema: "}, "%1 extrema: ");
    for (std::size_t i = 0; i < s.extrema.size(); ++i)
        text += (i ? word(", ") : "") + word(s.extrema[i] == ExtremumKind::Max ? "max" : "min");
    return text;
}

std::string monotonyWords(const Shape& s) {
    const auto one = [](Monotony m) {
        return m == Monotony::Increasing ? "increasing" : "decreasing";
    };
    if (s.monotony.empty())
        return {};
    if (s.periodic)
        return word("increasing and decreasing in turn");
    if (s.monotony.size() == 1)
        return word(one(s.monotony[0]));
    if (s.monotony.size() == 2)
        return word(s.monotony[0] == Monotony::Decreasing ? "decreasing, then increasing"
                                                          : "increasing, then decreasing");
    std::string text = word("monotony: ");
    for (std::size_t i = 0; i < s.monotony.size(); ++i)
        text += (i ? word(", ") : "") + word(s.monotony[i] == Monotony::Increasing ? "inc" : "dec");
    return text;
}

std::array<std::string, AspectCount> aspects(const Shape& s) {
    std::array<std::string, AspectCount> words;
    if (!s.function) {
        words[Function] = word("not a function");
        return words;
    }
    words[Zeros] =
        s.periodic
            ? counted(s.zeros, {"no zeros", "one family of zeros", "two families of zeros"},
                      "%1 families of zeros")
            : counted(s.zeros, {"no zeros", "one zero", "two zeros", "three zeros", "four zeros"},
                      "%1 zeros");
    switch (s.parity) {
    case Parity::Odd: words[ParityAspect] = word("odd"); break;
    case Parity::Even: words[ParityAspect] = word("even"); break;
    case Parity::Neither: words[ParityAspect] = word("neither odd nor even"); break;
    }
    words[Extrema] = extremaWords(s);
    words[MonotonyAspect] = monotonyWords(s);
    words[Asymptotes] =
        s.periodic ? counted(s.asymptotes, {"no asymptotes", "one family of asymptotes"},
                             "%1 families of asymptotes")
                   : counted(s.asymptotes, {"no asymptotes", "one asymptote", "two asymptotes"},
                             "%1 asymptotes");
    return words;
}

std::string joined(const std::array<std::string, AspectCount>& words,
                   const std::array<bool, AspectCount>& chosen) {
    std::string text;
    for (std::size_t i = 0; i < words.size(); ++i) {
        if (!chosen[i] || words[i].empty())
            continue;
        if (!text.empty())
            text += word("; ");
        text += words[i];
    }
    return text;
}

} // namespace

std::string pieceBoundsText(const ShapePiece& piece, const std::string& name) {
    if (piece.single())
        return name + " = " + piece.from->text;
    if (!piece.from && !piece.to)
        return name + " ∈ R";
    if (!piece.from)
        return name + (piece.to->closed ? " ≤ " : " < ") + piece.to->text;
    if (!piece.to)
        return name + (piece.from->closed ? " ≥ " : " > ") + piece.from->text;
    return piece.from->text + (piece.from->closed ? " ≤ " : " < ") + name +
           (piece.to->closed ? " ≤ " : " < ") + piece.to->text;
}

std::string shapeText(const Shape& shape) {
    std::array<bool, AspectCount> all;
    all.fill(true);
    return joined(aspects(shape), all);
}

std::string pieceSummary(const ShapeClassification& classification, std::size_t piece) {
    const std::vector<ShapePiece>& pieces = classification.pieces;
    if (piece >= pieces.size())
        return {};
    const std::array<std::string, AspectCount> mine = aspects(pieces[piece].shape);
    std::array<bool, AspectCount> differs{};
    for (std::size_t other = 0; other < pieces.size(); ++other) {
        const std::array<std::string, AspectCount> theirs = aspects(pieces[other].shape);
        for (std::size_t i = 0; i < mine.size(); ++i)
            differs[i] = differs[i] || theirs[i] != mine[i];
    }
    const std::string text = joined(mine, differs);
    return text.empty() ? shapeText(pieces[piece].shape) : text;
}

} // namespace oltrave
