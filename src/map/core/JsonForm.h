// Reading and writing the JSON forms: a map (the map tool's export and import) and a block of
// cells (the clipboard). One parser, nlohmann/json, and one set of checks for both: every
// value is checked before anything is used, and the first fault refuses the whole text with a
// message naming its place as a JSON Pointer (RFC 6901).
#pragma once
#include <nlohmann/json.hpp>

#include <cstddef>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <ostream>
#include <string>
#include <vector>

namespace jsonform {

using Json = nlohmann::json;
using Pointer = Json::json_pointer;

// Thrown by Refuse at the first fault; ReadJson turns it into the message.
struct Refusal {
    std::string where;
    std::string reason;
};

[[noreturn]] void Refuse(const Pointer& at, const std::string& reason);

// "1 row", "3 rows".
std::string Count(size_t n, const char* one, const char* many);
// "a string", "an array": the value's type with its article.
std::string Article(const Json& value);

// The object's keys must be `keys` (those in `optional` may be missing); the first unknown
// key is refused rather than dropped, since a misspelt one would otherwise be lost silently.
void ExpectObject(const Json& value, const Pointer& at, const char* what,
                  std::initializer_list<const char*> keys,
                  std::initializer_list<const char*> optional = {});

// An integer within [min, max]; `what` names it in the message.
int64_t Integer(const Json& value, const Pointer& at, const std::string& what, int64_t min,
                int64_t max);
int32_t Signed32(const Json& value, const Pointer& at, const std::string& what);

// `rows` arrays of `columns` chip ids each, into `ids` row by row. The two texts say where
// the expected counts come from ("a height of 80 gives 2").
void ReadChipRows(const Json& value, const Pointer& at, uint32_t columns, uint32_t rows,
                  const std::string& rowsFrom, const std::string& columnsFrom,
                  std::vector<uint32_t>& ids);

// Parses the text and hands it to `read`, which checks and takes the values. False with
// `error` as "POINTER: REASON" for a refused value, or "byte N: not valid JSON: REASON" for
// text that is not JSON (N counted from 1, one past the end for text that stops short).
bool ReadJson(const std::string& text, const std::function<void(const Json&)>& read,
              std::string& error);

// `"key": [` and one line per row of ids, indented for a value inside "layers".
void WriteChipRows(std::ostream& out, const std::string& key, const uint32_t* ids,
                   size_t columns, size_t rows, bool last);

}  // namespace jsonform
