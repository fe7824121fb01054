#include "Tokens.h"

#include "CounterValues.h"
#include "engine/text/EngineText.h"

#include <array>
#include <chrono>
#include <ctime>
#include <utility>

namespace engine::recipes {
namespace {

using Kind = TextTemplate::Kind;

constexpr const char* kDefaultDateFormat = "%Y-%m-%d %H.%M.%S";
constexpr int kMaxPadWidth = 20;

struct TokenName {
    std::string_view name;
    Kind kind;
};

constexpr std::array<TokenName, 14> kTokenNames{{
    {"n", Kind::Counter},
    {"name", Kind::Stem},
    {"ext", Kind::Ext},
    {"taken", Kind::Taken},
    {"modified", Kind::Modified},
    {"camera", Kind::Camera},
    {"artist", Kind::Artist},
    {"album", Kind::Album},
    {"title", Kind::Title},
    {"genre", Kind::Genre},
    {"width", Kind::Width},
    {"height", Kind::Height},
    {"track", Kind::Track},
    {"year", Kind::Year},
}};

std::optional<Kind> KindOf(std::string_view name) {
    for (const TokenName& token : kTokenNames) {
        if (token.name == name) {
            return token.kind;
        }
    }
    return std::nullopt;
}

bool IsDate(Kind kind) {
    return kind == Kind::Taken || kind == Kind::Modified;
}

bool IsNumber(Kind kind) {
    return kind == Kind::Counter || kind == Kind::Width || kind == Kind::Height || kind == Kind::Track ||
           kind == Kind::Year;
}

std::optional<Fact> FactOf(Kind kind) {
    switch (kind) {
    case Kind::Taken:
        return Fact::Taken;
    case Kind::Modified:
        return Fact::Modified;
    case Kind::Camera:
        return Fact::Camera;
    case Kind::Artist:
        return Fact::Artist;
    case Kind::Album:
        return Fact::Album;
    case Kind::Title:
        return Fact::Title;
    case Kind::Genre:
        return Fact::Genre;
    case Kind::Width:
        return Fact::Width;
    case Kind::Height:
        return Fact::Height;
    case Kind::Track:
        return Fact::Track;
    case Kind::Year:
        return Fact::Year;
    case Kind::Counter:
    case Kind::Stem:
    case Kind::Ext:
        return std::nullopt;
    }
    return std::nullopt;
}

std::string MissingText(Kind kind) {
    switch (kind) {
    case Kind::Taken:
        return ENGINE_TEXT("Recipe", "no date taken");
    case Kind::Modified:
        return ENGINE_TEXT("Recipe", "no date modified");
    case Kind::Camera:
        return ENGINE_TEXT("Recipe", "no camera");
    case Kind::Artist:
        return ENGINE_TEXT("Recipe", "no artist");
    case Kind::Album:
        return ENGINE_TEXT("Recipe", "no album");
    case Kind::Title:
        return ENGINE_TEXT("Recipe", "no title");
    case Kind::Genre:
        return ENGINE_TEXT("Recipe", "no genre");
    case Kind::Width:
        return ENGINE_TEXT("Recipe", "no width");
    case Kind::Height:
        return ENGINE_TEXT("Recipe", "no height");
    case Kind::Track:
        return ENGINE_TEXT("Recipe", "no track number");
    case Kind::Year:
        return ENGINE_TEXT("Recipe", "no year");
    case Kind::Counter:
    case Kind::Stem:
    case Kind::Ext:
        break;
    }
    return ENGINE_TEXT("Recipe", "no value");
}

// strftime conversions a name can use: no time zone (the times are wall-clock times without one) and no
// tab or newline.
bool IsDateConversion(char c) {
    return std::string_view("aAbBcCdDeFgGhHIjmMpRSTuUVwWxXyY%").find(c) != std::string_view::npos;
}

bool CheckDateFormat(std::string_view format, std::string& error) {
    if (format.empty()) {
        error = ENGINE_TEXT("Recipe", "has an empty date format");
        return false;
    }
    for (std::size_t k = 0; k < format.size(); ++k) {
        if (format[k] != '%') {
            continue;
        }
        if (k + 1 == format.size() || !IsDateConversion(format[k + 1])) {
            error = Fill(ENGINE_TEXT("Recipe", "has a date format with an unknown conversion \"%1\""),
                         {format.substr(k, k + 1 < format.size() ? 2 : 1)});
            return false;
        }
        ++k;
    }
    return true;
}

bool CheckPadWidth(std::string_view width, std::string& error) {
    int value = 0;
    bool ok = !width.empty() && width.size() <= 2;
    for (const char c : width) {
        ok = ok && c >= '0' && c <= '9';
        value = value * 10 + (c - '0');
    }
    if (!ok || value < 1 || value > kMaxPadWidth) {
        error =
            Fill(ENGINE_TEXT("Recipe", "has a number width \"%1\" that is not a whole number from 1 to 20"),
                 {width});
        return false;
    }
    return true;
}

int PadWidth(const std::string& format, int fallback) {
    return format.empty() ? fallback : std::stoi(format);
}

// Text from a tag as a name can hold it.
std::string NameSafe(const std::string& text) {
    std::string out = text;
    for (char& c : out) {
        if (c == '/' || c == '\0') {
            c = '_';
        }
    }
    return out;
}

std::optional<std::string> TextValue(const std::optional<std::string>& value) {
    if (!value || value->empty()) {
        return std::nullopt;
    }
    return NameSafe(*value);
}

std::optional<std::string> NumberValue(const std::optional<long long>& value, const std::string& format) {
    if (!value) {
        return std::nullopt;
    }
    return CounterText(*value, PadWidth(format, 1));
}

std::optional<std::string> DateValue(const std::optional<WallTime>& value, const std::string& format) {
    if (!value) {
        return std::nullopt;
    }
    return FormatWallTime(*value, format.empty() ? kDefaultDateFormat : format);
}

std::optional<std::string> Value(const TextTemplate::Alternative& alt, const TokenValues& values) {
    const FileFacts* facts = values.facts;
    switch (alt.kind) {
    case Kind::Counter:
        return CounterText(values.number, PadWidth(alt.format, values.counterWidth));
    case Kind::Stem:
        return std::string(values.oldStem);
    case Kind::Ext:
        return std::string(values.oldExtension);
    case Kind::Taken:
        return facts ? DateValue(facts->taken, alt.format) : std::nullopt;
    case Kind::Modified:
        return facts ? DateValue(facts->modified, alt.format) : std::nullopt;
    case Kind::Camera:
        return facts ? TextValue(facts->camera) : std::nullopt;
    case Kind::Artist:
        return facts ? TextValue(facts->artist) : std::nullopt;
    case Kind::Album:
        return facts ? TextValue(facts->album) : std::nullopt;
    case Kind::Title:
        return facts ? TextValue(facts->title) : std::nullopt;
    case Kind::Genre:
        return facts ? TextValue(facts->genre) : std::nullopt;
    case Kind::Width:
        return facts ? NumberValue(facts->width, alt.format) : std::nullopt;
    case Kind::Height:
        return facts ? NumberValue(facts->height, alt.format) : std::nullopt;
    case Kind::Track:
        return facts ? NumberValue(facts->track, alt.format) : std::nullopt;
    case Kind::Year:
        return facts ? NumberValue(facts->year, alt.format) : std::nullopt;
    }
    return std::nullopt;
}

// One token's alternatives from the text between its braces.
bool ParseToken(std::string_view content, TextTemplate::Piece& piece, std::string& error) {
    std::vector<std::string_view> parts;
    for (std::size_t start = 0;;) {
        const std::size_t bar = content.find('|', start);
        parts.push_back(
            content.substr(start, bar == std::string_view::npos ? std::string_view::npos : bar - start));
        if (bar == std::string_view::npos) {
            break;
        }
        start = bar + 1;
    }
    for (std::size_t k = 0; k < parts.size(); ++k) {
        const std::string_view part = parts[k];
        const std::size_t colon = part.find(':');
        const std::string_view name = part.substr(0, colon);
        const std::optional<Kind> kind = KindOf(name);
        TextTemplate::Alternative alt;
        if (!kind) {
            if (k == 0 || k + 1 < parts.size()) {
                error = Fill(ENGINE_TEXT("Recipe", "has an unknown token {%1}"), {k == 0 ? content : name});
                return false;
            }
            alt.literal = true;
            alt.text = std::string(part);
            piece.alternatives.push_back(std::move(alt));
            continue;
        }
        alt.kind = *kind;
        if (colon != std::string_view::npos) {
            alt.format = std::string(part.substr(colon + 1));
            if (IsDate(*kind)) {
                if (!CheckDateFormat(alt.format, error)) {
                    return false;
                }
            } else if (IsNumber(*kind)) {
                if (!CheckPadWidth(alt.format, error)) {
                    return false;
                }
            } else {
                error = Fill(ENGINE_TEXT("Recipe", "has a format after {%1}, which takes none"), {name});
                return false;
            }
        }
        piece.alternatives.push_back(std::move(alt));
    }
    // A format written once, on the last date (or number) of the chain, serves the others of its kind
    // that have none: {taken|modified:%Y} gives the year of either.
    for (std::size_t k = piece.alternatives.size(); k-- > 0;) {
        const auto& from = piece.alternatives[k];
        if (from.literal || from.format.empty()) {
            continue;
        }
        for (std::size_t j = 0; j < k; ++j) {
            auto& to = piece.alternatives[j];
            if (!to.literal && to.format.empty() && IsDate(to.kind) == IsDate(from.kind) &&
                IsNumber(to.kind) == IsNumber(from.kind)) {
                to.format = from.format;
            }
        }
        break;
    }
    return true;
}

bool ParseGroupReference(std::string_view text, std::size_t& pos, const RegexGroups& groups, int& group,
                         std::string& error) {
    // text[pos] is '$' and a character follows it.
    const char next = text[pos + 1];
    if (next >= '0' && next <= '9') {
        group = next - '0';
        pos += 2;
    } else if (next == '{') {
        const std::size_t close = text.find('}', pos + 2);
        const std::string_view name =
            close == std::string_view::npos ? std::string_view() : text.substr(pos + 2, close - pos - 2);
        if (name.empty()) {
            error = ENGINE_TEXT("Recipe", "has a \"${\" without a group name and its \"}\"");
            return false;
        }
        const auto found = groups.names.find(std::string(name));
        if (found == groups.names.end()) {
            error = Fill(ENGINE_TEXT("Recipe", "refers to the group \"%1\", which \"find\" does not name"),
                         {name});
            return false;
        }
        group = found->second;
        pos = close + 1;
    } else {
        error =
            ENGINE_TEXT("Recipe", "has a \"$\" that is not followed by a group number, {group name} or \"$\" "
                                  "(write $$ for a dollar)");
        return false;
    }
    if (group > groups.count) {
        error = groups.count == 0
                    ? Fill(ENGINE_TEXT("Recipe", "refers to group %1, but \"find\" has none"),
                           {std::to_string(group)})
                    : Fill(ENGINE_TEXT("Recipe", "refers to group %1, but \"find\" has only %2"),
                           {std::to_string(group), std::to_string(groups.count)});
        return false;
    }
    return true;
}

// Appends one alternative's text for a row; false when the row has no such value. The values every row
// has are appended without a string of their own.
bool AppendValue(const TextTemplate::Alternative& alt, const TokenValues& values, std::string& out) {
    if (alt.literal) {
        out.append(alt.text);
        return true;
    }
    switch (alt.kind) {
    case Kind::Counter:
        AppendCounterText(values.number, PadWidth(alt.format, values.counterWidth), out);
        return true;
    case Kind::Stem:
        out.append(values.oldStem);
        return true;
    case Kind::Ext:
        out.append(values.oldExtension);
        return true;
    default:
        break;
    }
    const std::optional<std::string> value = Value(alt, values);
    if (value) {
        out.append(*value);
    }
    return value.has_value();
}

} // namespace

std::optional<TextTemplate> TextTemplate::Parse(std::string_view text, const RegexGroups* groups,
                                                std::string& error) {
    TextTemplate result;
    const auto literal = [&](std::string_view chars) {
        if (result.pieces_.empty() || result.pieces_.back().type != Piece::Type::Literal) {
            result.pieces_.push_back(Piece{});
        }
        result.pieces_.back().text.append(chars);
    };
    std::size_t pos = 0;
    while (pos < text.size()) {
        const char c = text[pos];
        const bool doubled = pos + 1 < text.size() && text[pos + 1] == c;
        if (c == '{' && !doubled) {
            const std::size_t close = text.find('}', pos + 1);
            const std::size_t inner = text.find('{', pos + 1);
            if (close == std::string_view::npos || (inner != std::string_view::npos && inner < close)) {
                error = ENGINE_TEXT("Recipe", "has a \"{\" without its \"}\" (write {{ for a brace)");
                return std::nullopt;
            }
            Piece piece;
            piece.type = Piece::Type::Token;
            if (!ParseToken(text.substr(pos + 1, close - pos - 1), piece, error)) {
                return std::nullopt;
            }
            piece.missing = MissingText(piece.alternatives.front().kind);
            for (const Alternative& alt : piece.alternatives) {
                if (const auto fact = alt.literal ? std::nullopt : FactOf(alt.kind)) {
                    result.facts_.set(static_cast<std::size_t>(*fact));
                }
            }
            result.pieces_.push_back(std::move(piece));
            pos = close + 1;
        } else if (c == '}' && !doubled) {
            error = ENGINE_TEXT("Recipe", "has a \"}\" without its \"{\" (write }} for a brace)");
            return std::nullopt;
        } else if ((c == '{' || c == '}') && doubled) {
            literal(text.substr(pos, 1));
            pos += 2;
        } else if (c == '$' && groups != nullptr) {
            if (pos + 1 < text.size() && text[pos + 1] == '$') {
                literal("$");
                pos += 2;
                continue;
            }
            int group = 0;
            if (pos + 1 == text.size()) {
                error = ENGINE_TEXT("Recipe", "ends in a \"$\" (write $$ for a dollar)");
                return std::nullopt;
            }
            if (!ParseGroupReference(text, pos, *groups, group, error)) {
                return std::nullopt;
            }
            Piece piece;
            piece.type = Piece::Type::Group;
            piece.group = group;
            result.pieces_.push_back(std::move(piece));
        } else {
            const std::size_t next = text.find_first_of(groups != nullptr ? "{}$" : "{}", pos);
            const std::size_t end = next == std::string_view::npos ? text.size() : next;
            literal(text.substr(pos, end - pos));
            pos = end;
        }
    }
    return result;
}

bool TextTemplate::IsLiteral() const {
    return pieces_.empty() || (pieces_.size() == 1 && pieces_[0].type == Piece::Type::Literal);
}

int TextTemplate::HighestGroup() const {
    int highest = -1;
    for (const Piece& piece : pieces_) {
        if (piece.type == Piece::Type::Group && piece.group > highest) {
            highest = piece.group;
        }
    }
    return highest;
}

bool TextTemplate::Expand(const TokenValues& values, std::span<const std::string_view> groups,
                          std::string& out, std::string& missing) const {
    for (const Piece& piece : pieces_) {
        switch (piece.type) {
        case Piece::Type::Literal:
            out.append(piece.text);
            break;
        case Piece::Type::Group:
            if (static_cast<std::size_t>(piece.group) < groups.size()) {
                out.append(groups[piece.group]); // a group that took no part in the match is empty
            }
            break;
        case Piece::Type::Token: {
            bool found = false;
            for (const Alternative& alt : piece.alternatives) {
                if (AppendValue(alt, values, out)) {
                    found = true;
                    break;
                }
            }
            if (!found) {
                missing = piece.missing;
                return false;
            }
            break;
        }
        }
    }
    return true;
}

std::string FormatWallTime(const WallTime& time, const std::string& format) {
    using namespace std::chrono;
    const year_month_day date{year{time.year}, month{static_cast<unsigned>(time.month)},
                              day{static_cast<unsigned>(time.day)}};
    std::tm tm{};
    tm.tm_year = time.year - 1900;
    tm.tm_mon = time.month - 1;
    tm.tm_mday = time.day;
    tm.tm_hour = time.hour;
    tm.tm_min = time.minute;
    tm.tm_sec = time.second;
    tm.tm_isdst = -1;
    if (date.ok()) {
        const sys_days days{date};
        tm.tm_wday = static_cast<int>(weekday{days}.c_encoding());
        tm.tm_yday =
            static_cast<int>((days - sys_days{year_month_day{date.year(), January, day{1}}}).count());
    }
    std::string out(64, '\0');
    for (int attempt = 0; attempt < 4; ++attempt) {
        const std::size_t length = std::strftime(out.data(), out.size(), format.c_str(), &tm);
        if (length > 0) {
            out.resize(length);
            return out;
        }
        out.resize(out.size() * 4);
    }
    return {};
}

} // namespace engine::recipes
