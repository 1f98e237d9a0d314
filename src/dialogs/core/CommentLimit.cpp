#include "dialogs/core/CommentLimit.h"

namespace {

const std::string kMissingCharacter = "?";

const std::string& StoredBytes(const CommentCharacter& character) {
    return character.sjis.empty() ? kMissingCharacter : character.sjis;
}

size_t ByteCount(const CommentCharacters& text, size_t from, size_t to) {
    size_t bytes = 0;
    for (size_t i = from; i < to; ++i) bytes += StoredBytes(text[i]).size();
    return bytes;
}

}  // namespace

std::string CommentBytes(const CommentCharacters& text) {
    std::string bytes;
    for (const CommentCharacter& character : text) bytes += StoredBytes(character);
    return bytes;
}

size_t CommentByteCount(const CommentCharacters& text) { return ByteCount(text, 0, text.size()); }

CommentChange FitCommentChange(const CommentCharacters& before, const CommentCharacters& after,
                               size_t limit) {
    const size_t shorter = before.size() < after.size() ? before.size() : after.size();
    size_t head = 0;
    while (head < shorter && before[head].code == after[head].code) ++head;
    size_t tail = 0;
    while (tail < shorter - head &&
           before[before.size() - 1 - tail].code == after[after.size() - 1 - tail].code)
        ++tail;
    const size_t insertedEnd = after.size() - tail;
    CommentChange change{head, insertedEnd - head, 0};

    const size_t total = CommentByteCount(after);
    if (total <= limit) {
        change.kept = change.inserted;
        return change;
    }
    size_t bytes = total - ByteCount(after, head, insertedEnd);  // what stays around the change
    while (change.kept < change.inserted) {
        const size_t next = StoredBytes(after[head + change.kept]).size();
        if (bytes + next > limit) break;
        bytes += next;
        ++change.kept;
    }
    return change;
}
