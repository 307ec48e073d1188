// Records and record file slots.
#include <memory>
#include <string>

#include <gtest/gtest.h>

#include "phonebook/record.h"
#include "phonebook/record_file.h"
#include "phonebook/record_names.h"

// A field outside a record's type or a file's slots is neither kept nor read.
TEST(RecordTest, TypesAndSlotsBoundTheFields)
{
    CRecord plain(CRecord::TYPE_PLAIN), contact(CRecord::TYPE_CONTACT), log(CRecord::TYPE_LOG), other(9);
    const struct { CRecord* record; int fields; } types[] = {{&plain, 2}, {&contact, 15}, {&log, 8}, {&other, 0}};
    for (const auto& type : types) {
        EXPECT_EQ(type.fields, type.record->GetFieldCount());
        EXPECT_EQ(type.fields > 0, type.record->SetField(type.fields - 1, "last"));
        EXPECT_FALSE(type.record->SetField(type.fields, "beyond"));
        EXPECT_FALSE(type.record->SetField(-1, "before"));
        EXPECT_EQ("", type.record->GetField(type.fields));
    }
    auto file = std::make_unique<CRecordFile>();
    const struct {
        int slot, field;
        bool kept;
    } slots[] = {{499, 14, true}, {0, 0, true}, {500, 0, false}, {0, 15, false}, {-1, 0, false}, {0, -1, false}};
    for (const auto& s : slots) {
        EXPECT_EQ(s.kept, file->SetField(s.slot, s.field, "text")) << s.slot << " " << s.field;
        EXPECT_EQ(s.kept ? "text" : "", file->GetField(s.slot, s.field)) << s.slot << " " << s.field;
    }
}
