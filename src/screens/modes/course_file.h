#pragma once
// A stored course: the five stage records of a "*.kcz" file in the
// "course" folder.
//
// The file is five stage blocks and nothing else, little-endian:
//   0    24   six reference words, written as 0 and ignored when read
//   24   8    playLevel, judgeRank, hasMidi, bgmKeysounds, noteKeysounds,
//             bgaKind, keyType, hasReplay (one byte each)
//   32   4    bpm, IEEE float32
//   36   1    checksum
//   37   186  the chart's ranking block, its first 80 bytes written as 0
//   223  1    padding, 0
//   224  24   six int32 lengths (text bytes + 1) of fileName, dirPath,
//             genre, title, artist, stageFile
//   248  ...  the six texts in that order, each followed by a zero byte
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <vector>

#include "scene/scene_table.h"

namespace kv {

std::vector<std::uint8_t> encodeCourseFile(const CourseStages& stages);
// The five stages, or nothing when the bytes are short, a length is out of
// range or a text lacks its terminating zero. Bytes after the fifth block
// are ignored.
std::optional<CourseStages> decodeCourseFile(std::span<const std::uint8_t> bytes);

// Replaces the file as a whole; false when it cannot be written, leaving any
// previous file as it was.
bool writeCourseFile(const std::filesystem::path& path, const CourseStages& stages);
// Nothing when the file cannot be opened or does not hold five whole stages.
std::optional<CourseStages> readCourseFile(const std::filesystem::path& path);

}  // namespace kv
