#include "map/core/JsonForm.h"

#include <cmath>

namespace jsonform {

namespace {

// nlohmann's message without its "[json.exception.parse_error.101] " tag.
std::string LibraryReason(const Json::exception& e) {
    const std::string message = e.what();
    const size_t tagEnd = message.find("] ");
    return tagEnd == std::string::npos ? message : message.substr(tagEnd + 2);
}

}  // namespace

void Refuse(const Pointer& at, const std::string& reason) {
    // The whole document's pointer is the empty string, which would vanish in the message.
    throw Refusal{at.empty() ? "\"\"" : at.to_string(), reason};
}

std::string Count(size_t n, const char* one, const char* many) {
    return std::to_string(n) + " " + (n == 1 ? one : many);
}

std::string Article(const Json& value) {
    const std::string type = value.type_name();
    return (type == "array" || type == "object" ? "an " : "a ") + type;
}

void ExpectObject(const Json& value, const Pointer& at, const char* what,
                  std::initializer_list<const char*> keys,
                  std::initializer_list<const char*> optional) {
    if (!value.is_object())
        Refuse(at, what + std::string(" must be an object, not ") + Article(value));
    for (const auto& item : value.items()) {
        bool known = false;
        for (const char* key : keys) known = known || item.key() == key;
        for (const char* key : optional) known = known || item.key() == key;
        if (!known) Refuse(at / item.key(), "unknown key");
    }
    for (const char* key : keys) {
        if (!value.contains(key)) Refuse(at / key, what + std::string(" has no \"") + key + "\"");
    }
}

int64_t Integer(const Json& value, const Pointer& at, const std::string& what, int64_t min,
                int64_t max) {
    const std::string range = min < 0 ? "signed 32 bits" : "32 bits";
    if (value.is_number_unsigned()) {
        const uint64_t number = value.get<uint64_t>();
        if (number > static_cast<uint64_t>(max))
            Refuse(at, what + " " + value.dump() + " does not fit " + range);
        return static_cast<int64_t>(number);
    }
    if (value.is_number_integer()) {
        const int64_t number = value.get<int64_t>();
        if (number < min) {
            Refuse(at, what + " " + value.dump() +
                           (min == 0 ? " is negative" : " does not fit " + range));
        }
        if (number > max) Refuse(at, what + " " + value.dump() + " does not fit " + range);
        return number;
    }
    if (value.is_number_float()) {
        // nlohmann keeps an integer beyond 64 bits as a floating-point number.
        const double number = value.get<double>();
        if (std::isfinite(number) && std::floor(number) == number &&
            (number < static_cast<double>(min) || number > static_cast<double>(max)))
            Refuse(at, what + " " + value.dump() + " does not fit " + range);
        Refuse(at, what + " must be an integer, not " + value.dump());
    }
    Refuse(at, what + " must be an integer, not " + Article(value));
}

int32_t Signed32(const Json& value, const Pointer& at, const std::string& what) {
    return static_cast<int32_t>(
        Integer(value, at, what, INT32_MIN, INT32_MAX));
}

void ReadChipRows(const Json& value, const Pointer& at, uint32_t columns, uint32_t rows,
                  const std::string& rowsFrom, const std::string& columnsFrom,
                  std::vector<uint32_t>& ids) {
    if (!value.is_array()) Refuse(at, "a layer must be an array of rows, not " + Article(value));
    if (value.size() != rows) Refuse(at, Count(value.size(), "row", "rows") + "; " + rowsFrom);
    ids.assign(size_t{columns} * rows, 0);
    for (uint32_t row = 0; row < rows; ++row) {
        const Json& cells = value[row];
        const Pointer rowAt = at / size_t{row};
        if (!cells.is_array())
            Refuse(rowAt, "a row must be an array of chip ids, not " + Article(cells));
        if (cells.size() != columns)
            Refuse(rowAt, Count(cells.size(), "chip id", "chip ids") + "; " + columnsFrom);
        for (uint32_t column = 0; column < columns; ++column) {
            const Json& cell = cells[column];
            // The common case without building the cell's pointer: a map holds millions of ids.
            if (cell.is_number_unsigned() && cell.get<uint64_t>() <= UINT32_MAX) {
                ids[size_t{row} * columns + column] = static_cast<uint32_t>(cell.get<uint64_t>());
                continue;
            }
            ids[size_t{row} * columns + column] = static_cast<uint32_t>(
                Integer(cell, rowAt / size_t{column}, "chip id", 0, UINT32_MAX));
        }
    }
}

bool ReadJson(const std::string& text, const std::function<void(const Json&)>& read,
              std::string& error) {
    Json json;
    try {
        json = Json::parse(text);
    } catch (const Json::parse_error& e) {
        error = "byte " + std::to_string(e.byte) + ": not valid JSON: " + LibraryReason(e);
        return false;
    } catch (const Json::out_of_range& e) {  // a number beyond a double, such as 1e400
        error = "not valid JSON: " + LibraryReason(e);
        return false;
    }
    try {
        read(json);
    } catch (const Refusal& refusal) {
        error = refusal.where + ": " + refusal.reason;
        return false;
    }
    return true;
}

void WriteChipRows(std::ostream& out, const std::string& key, const uint32_t* ids,
                   size_t columns, size_t rows, bool last) {
    out << "    \"" << key << "\": [\n";
    for (size_t row = 0; row < rows; ++row) {
        out << "      [";
        for (size_t column = 0; column < columns; ++column)
            out << (column == 0 ? "" : ", ") << ids[row * columns + column];
        out << (row + 1 < rows ? "],\n" : "]\n");
    }
    out << (last ? "    ]\n" : "    ],\n");
}

}  // namespace jsonform
