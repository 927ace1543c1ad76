#include "screens/results/ranking_file.h"

#include <cctype>

namespace kv {

namespace {

constexpr std::size_t kHeaderSize = 11;
constexpr std::size_t kRowSize = 35;
constexpr std::size_t kRowDataSize = 33;
constexpr std::uint8_t kHeaderSum = 0x5A;
constexpr std::uint8_t kHasScoreMark = 0x37;
constexpr std::uint8_t kEmptyMark = 0x4D;
static_assert(kHeaderSize + kRankingRows * kRowSize == kRankingBlockSize);

enum class Field : std::uint8_t {
    Score, Bonus, Cool, Great, Good, Break, Miss,
    Grade, KeyMode, Style, Gauge, Line, Speed, View, Object,
    Name, Zero, Check,
};

struct RowByte {
    Field field;
    std::uint8_t part;  // byte of a number (0 = lowest) or character of the name
};

// The scattered order of a row's 33 data bytes.
constexpr std::array<RowByte, kRowDataSize> kRowLayout{{
    {Field::Score, 2}, {Field::Name, 0},   {Field::Cool, 0},   {Field::Grade, 0},  {Field::Bonus, 0},
    {Field::Miss, 1},  {Field::Zero, 0},   {Field::Score, 0},  {Field::Great, 0},  {Field::KeyMode, 0},
    {Field::Name, 1},  {Field::Good, 1},   {Field::Bonus, 2},  {Field::Style, 0},  {Field::Zero, 0},
    {Field::Break, 0}, {Field::Cool, 1},   {Field::Name, 2},   {Field::Gauge, 0},  {Field::Score, 1},
    {Field::Miss, 0},  {Field::Line, 0},   {Field::Zero, 0},   {Field::Great, 1},  {Field::Bonus, 1},
    {Field::Name, 3},  {Field::Speed, 0},  {Field::Good, 0},   {Field::View, 0},   {Field::Zero, 0},
    {Field::Break, 1}, {Field::Object, 0}, {Field::Check, 0},
}};

// Largest valid code of each one-byte option field, so readers can index
// their label tables safely.
struct SmallField {
    Field field;
    std::int8_t RankingEntry::*member;
    std::int8_t maxCode;
};
constexpr std::array<SmallField, 8> kSmallFields{{
    {Field::Grade, &RankingEntry::grade, 7},
    {Field::KeyMode, &RankingEntry::keyMode, 3},
    {Field::Style, &RankingEntry::style, 4},
    {Field::Gauge, &RankingEntry::gauge, 2},
    {Field::Line, &RankingEntry::line, 1},
    {Field::Speed, &RankingEntry::speed, 19},
    {Field::View, &RankingEntry::view, 5},
    {Field::Object, &RankingEntry::object, 11},
}};

struct NumberField {
    Field field;
    std::int32_t RankingEntry::*member;
    std::uint32_t mask;  // the bits a row stores
};
constexpr std::array<NumberField, 7> kNumberFields{{
    {Field::Score, &RankingEntry::score, 0xFFFFFF},
    {Field::Bonus, &RankingEntry::bonus, 0xFFFFFF},
    {Field::Cool, &RankingEntry::coolCount, 0xFFFF},
    {Field::Great, &RankingEntry::greatCount, 0xFFFF},
    {Field::Good, &RankingEntry::goodCount, 0xFFFF},
    {Field::Break, &RankingEntry::breakCount, 0xFFFF},
    {Field::Miss, &RankingEntry::missCount, 0xFFFF},
}};

std::uint8_t plainByte(const RankingEntry& entry, RowByte slot) {
    if (slot.field == Field::Name) return static_cast<std::uint8_t>(entry.name[slot.part]);
    for (const auto& number : kNumberFields)
        if (number.field == slot.field)
            return static_cast<std::uint8_t>((static_cast<std::uint32_t>(entry.*number.member) & number.mask) >>
                                             (8 * slot.part));
    for (const auto& small : kSmallFields)
        if (small.field == slot.field) return static_cast<std::uint8_t>(entry.*small.member);
    return 0;  // the zero bytes; the check byte is filled in afterwards
}

void encodeRow(const RankingEntry& entry, std::uint8_t key, std::uint8_t* row) {
    row[0] = key;
    row[kRowSize - 1] = key;
    std::uint8_t sum = key;
    std::size_t checkAt = 0;
    for (std::size_t i = 0; i < kRowDataSize; ++i) {
        row[1 + i] = key ^ plainByte(entry, kRowLayout[i]);
        if (kRowLayout[i].field == Field::Check) checkAt = 1 + i;
        else sum = static_cast<std::uint8_t>(sum + row[1 + i]);
    }
    row[checkAt] = static_cast<std::uint8_t>(-sum);
}

bool isNameCharacter(char c) { return c == ' ' || std::isdigit(static_cast<unsigned char>(c)) || (c >= 'A' && c <= 'Z'); }

std::optional<RankingEntry> decodeRow(const std::uint8_t* row) {
    const std::uint8_t key = row[0];
    if (row[kRowSize - 1] != key) return std::nullopt;
    std::uint8_t sum = 0;
    for (std::size_t i = 0; i <= kRowDataSize; ++i) sum = static_cast<std::uint8_t>(sum + row[i]);
    if (sum != 0) return std::nullopt;

    RankingEntry entry;
    std::array<std::uint32_t, kNumberFields.size()> numbers{};
    for (std::size_t i = 0; i < kRowDataSize; ++i) {
        const RowByte slot = kRowLayout[i];
        const std::uint8_t plain = row[1 + i] ^ key;
        if (slot.field == Field::Zero && plain != 0) return std::nullopt;
        if (slot.field == Field::Name) entry.name[slot.part] = static_cast<char>(plain);
        for (std::size_t n = 0; n < kNumberFields.size(); ++n)
            if (kNumberFields[n].field == slot.field) numbers[n] |= std::uint32_t(plain) << (8 * slot.part);
        for (const auto& small : kSmallFields)
            if (small.field == slot.field) entry.*small.member = static_cast<std::int8_t>(plain);
    }
    for (std::size_t n = 0; n < kNumberFields.size(); ++n)
        entry.*kNumberFields[n].member = static_cast<std::int32_t>(numbers[n]);
    for (const auto& small : kSmallFields)
        if (entry.*small.member < 0 || entry.*small.member > small.maxCode) return std::nullopt;
    for (char c : entry.name)
        if (!isNameCharacter(c)) return std::nullopt;
    if (entry.empty()) return std::nullopt;  // a stored row always has a score
    return entry;
}

// Header bytes of the puzzle letters, first mission group first.
constexpr std::array<std::size_t, 3> kPuzzleBytes{7, 5, 1};

std::uint8_t packLetters(const Ranking& ranking, std::size_t group) {
    std::uint8_t bits = 0;
    for (std::size_t bit = 0; bit < 8; ++bit)
        if (ranking.puzzleLetters[group * 8 + bit]) bits |= std::uint8_t(0x80 >> bit);
    return bits;
}

}  // namespace

RankingBlock encodeRanking(const Ranking& ranking, std::uint8_t checksum, const RandomSource& random) {
    RankingBlock block = emptyRankingBlock();
    const auto key = static_cast<std::uint8_t>(random());
    int filled = 0;
    for (int row = 0; row < kRankingRows; ++row) {
        if (ranking.entries[row].empty()) continue;
        encodeRow(ranking.entries[row], static_cast<std::uint8_t>(random()), &block[kHeaderSize + row * kRowSize]);
        ++filled;
    }
    std::uint8_t headerSum = static_cast<std::uint8_t>(filled);
    for (std::size_t group = 0; group < kPuzzleBytes.size(); ++group) {
        const std::uint8_t letters = packLetters(ranking, group);
        block[kPuzzleBytes[group]] = letters ^ key;
        headerSum = static_cast<std::uint8_t>(headerSum + letters);
    }
    block[0] = ranking.carriedByte;
    block[2] = static_cast<std::uint8_t>(filled) ^ key;
    block[3] = block[9] = block[10] = key;
    block[4] = key ^ (ranking.hasTopScore() ? kHasScoreMark : kEmptyMark);
    block[6] = static_cast<std::uint8_t>(kHeaderSum - headerSum) ^ key;
    block[8] = checksum ^ key;
    return block;
}

Ranking decodeRanking(const RankingBlock& block, std::uint8_t checksum) {
    Ranking empty;
    empty.carriedByte = block[0];
    const std::uint8_t key = block[3];
    const int filled = block[2] ^ key;
    std::uint8_t headerSum = 0;
    for (std::size_t at : {1, 2, 5, 6, 7}) headerSum = static_cast<std::uint8_t>(headerSum + (block[at] ^ key));
    if (block[9] != key || block[10] != key || headerSum != kHeaderSum || (block[8] ^ key) != checksum ||
        filled > kRankingRows || (block[4] ^ key) != (filled > 0 ? kHasScoreMark : kEmptyMark))
        return empty;

    Ranking ranking = empty;
    for (int row = 0; row < kRankingRows; ++row) {
        const std::uint8_t* bytes = &block[kHeaderSize + row * kRowSize];
        if (row >= filled) {
            for (std::size_t i = 0; i < kRowSize; ++i)
                if (bytes[i] != 0xFF) return empty;
            continue;
        }
        const auto entry = decodeRow(bytes);
        if (!entry || (row > 0 && entry->score > ranking.entries[row - 1].score)) return empty;
        ranking.entries[row] = *entry;
    }
    for (std::size_t group = 0; group < kPuzzleBytes.size(); ++group) {
        const std::uint8_t bits = block[kPuzzleBytes[group]] ^ key;
        for (std::size_t bit = 0; bit < 8; ++bit) ranking.puzzleLetters[group * 8 + bit] = (bits & (0x80 >> bit)) != 0;
    }
    return ranking;
}

Ranking loadRankingForDisplay(const ChartEntry& entry) { return decodeRanking(entry.rankingBlock, entry.checksum); }

}  // namespace kv
