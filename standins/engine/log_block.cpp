#include "standins/engine/log_block.h"

#include <cstring>

#include "standins/engine/send_fax_job.h"

namespace {
constexpr size_t kAlign = sizeof(void*);

size_t Aligned(size_t n) { return (n + kAlign - 1) / kAlign * kAlign; }

// The longest record still has a length that fits its 16-bit field.
static_assert(sizeof(SEND_FAX) + 14 * (kMaxJobText + 1) + kAlign <= 0xFFFF, "nRecLength");

size_t RecordLength(const JobRecord& job)
{
    size_t length = sizeof(SEND_FAX);
    for (const auto& field : kJobTextFields)
        if (const JobText& text = job.*field.member)
            length += text->size() + 1;
    return Aligned(length);
}
}  // namespace

size_t LogBlockSize(const std::vector<const JobRecord*>& jobs)
{
    size_t size = 0;
    for (const auto& job : jobs)
        size += RecordLength(*job);
    return size + Aligned(sizeof(SEND_FAX));
}

void WriteLogBlock(const std::vector<const JobRecord*>& jobs, void* block)
{
    auto* at = static_cast<char*>(block);
    for (const auto& job : jobs) {
        SEND_FAX record = {};
        WriteJobNumbers(*job, record);
        size_t length = RecordLength(*job);
        record.nRecLength = static_cast<uint16_t>(length);
        char* text = at + sizeof(SEND_FAX);
        for (size_t i = 0; i < 14; ++i) {
            const JobText& value = job->*kJobTextFields[i].member;
            if (!value)
                continue;
            std::memcpy(text, value->data(), value->size());
            text[value->size()] = '\0';
            SetTextPointer(record, i, text);
            text += value->size() + 1;
        }
        std::memcpy(at, &record, sizeof record);
        at += length;
    }
}
