// The stand-ins' store files of any content (a job, the engine's settings, a phonebook):
// reading never fails hard, and what is read is written and read back unchanged.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "standins/engine/engine_config.h"
#include "standins/engine/job_record.h"
#include "standins/phonebook/phonebook_file.h"

namespace {
void Check(bool condition)
{
    if (!condition)
        std::abort();
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::string text(reinterpret_cast<const char*>(data), size);

    JobRecord job;
    if (ParseJobFile(text, job)) {
        JobRecord again;
        Check(ParseJobFile(FormatJobFile(job), again));
        Check(again.jobId == job.jobId && again.logType == job.logType && again.localId == job.localId);
        for (const auto& field : kJobTextFields)
            Check(again.*field.member == job.*field.member);
    }

    EngineConfig config = ParseEngineConfig(text);
    EngineConfig configAgain = ParseEngineConfig(FormatEngineConfig(config));
    Check(configAgain.nextJobId == config.nextJobId && configAgain.devices == config.devices);

    PhoneBookFile book = ParsePhoneBookFile(text, "fallback");
    PhoneBookFile bookAgain = ParsePhoneBookFile(FormatPhoneBookFile(book), "fallback");
    Check(bookAgain.entries.size() == book.entries.size());
    for (size_t i = 0; i < book.entries.size(); ++i)
        Check(bookAgain.entries[i].number == book.entries[i].number &&
              bookAgain.entries[i].firstName == book.entries[i].firstName &&
              bookAgain.entries[i].fax == book.entries[i].fax);
    PhoneBookFileName(book.name);
    return 0;
}
