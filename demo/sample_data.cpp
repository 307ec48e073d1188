#include "demo/sample_data.h"

#include <windows.h>

#include <cstdio>
#include <vector>

#include "demo/demo_host.h"
#include "demo/engine_link.h"
#include "demo/fax_folders.h"
#include "demo/fax_page_writer.h"

namespace {
struct Contact {
    const char* first;
    const char* last;
    const char* company;
};

const Contact kCustomers[] = {
    {"Ann", "Archer", "Archer & Sons"},      {"Bob", "Baker", "Baker Bros"},
    {"Cleo", "Cole", ""},                     {"Dan", "Dover", "Dover Shipping"},
    {"Eve", "Ellis", "Ellis Legal"},          {"Frank", "Fisher", "Fisher Foods"},
    {"Gina", "Grant", "Grant Architects"},    {"Hal", "Hughes", "Hughes Motors"},
    {"Iris", "Irving", "Irving Insurance"},   {"Jack", "Jones", ""},
    {"Kim", "Klein", "Klein Optics"},         {"Leo", "Lopez", "Lopez Imports"},
    {"Mia", "Moore", "Moore Dental"},         {"Ned", "Nash", "Nash Printing"},
    {"Olga", "Olsen", "Olsen Bakery"},        {"Paul", "Price", "Price & Partners"},
    {"Quinn", "Quade", "Quade Consulting"},   {"Rosa", "Reyes", "Reyes Travel"},
    {"Sam", "Stone", "Stone Quarry Ltd"},     {"Tara", "Tate", "Tate Gallery Shop"},
    {"Uma", "Urban", ""},                     {"Vic", "Vance", "Vance Electrics"},
    {"Wendy", "Wolfe", "Wolfe Veterinary"},   {"Xavier", "Xu", "Xu Trading"},
};
const Contact kSuppliers[] = {
    {"Alma", "Ames", "Ames Paper Mill"},      {"Bert", "Bloom", "Bloom Office Supply"},
    {"Carl", "Cruz", "Cruz Toner Co."},       {"Dora", "Dahl", "Dahl Logistics"},
    {"Emil", "Eder", "Eder Furniture"},       {"Fay", "Ford", "Ford Cleaning"},
    {"Gus", "Gray", "Gray Telecom"},          {"Hana", "Holm", "Holm Catering"},
    {"Ivan", "Ivers", "Ivers Security"},      {"Jill", "Jahn", "Jahn Print Shop"},
    {"Karl", "Kirk", "Kirk Couriers"},        {"Lena", "Lund", "Lund Stationery"},
};

std::string TempPath(const char* name)
{
    char folder[MAX_PATH];
    GetTempPathA(MAX_PATH, folder);
    return std::string(folder) + name;
}

bool Exists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

// A fax document in the engine's form, made from the pages by the engine itself.
std::string MakeDocument(const std::string& folder, const std::string& name, const std::vector<FaxPageText>& pages)
{
    std::string fmf = folder + "\\" + name + ".fmf";
    if (Exists(fmf))
        return fmf;
    std::string tif = TempPath("rwfax-demo-page.tif");
    if (!WriteFaxTiff(tif, pages) || !Demo().fax.create(Demo().engine, tif.c_str(), fmf.c_str(), 0))
        Log("Could not write the sample document " + fmf);
    DeleteFileA(tif.c_str());
    return fmf;
}

std::vector<FaxPageText> Letter(const std::string& title, const std::string& to, int pages)
{
    std::vector<FaxPageText> result;
    for (int page = 1; page <= pages; ++page) {
        FaxPageText text{title, {}};
        if (page == 1)
            text.lines = {"To: " + to, "From: Velmoor Demo Office", "", "Dear " + to + ",", "",
                          "please find the details of our " + title + " on the following pages.",
                          "Call us with any question."};
        for (int item = 1; item <= 12; ++item) {
            char line[96];
            std::snprintf(line, sizeof line, "Item %d.%02d  ..............................  %4d.%02d", page, item,
                          (page * 37 + item * 91) % 900 + 10, (item * 13) % 100);
            text.lines.push_back(line);
        }
        result.push_back(text);
    }
    return result;
}

void WritePhonebook(const std::string& folder, const char* name, const Contact* contacts, size_t count, int area)
{
    std::string text = "[Phonebook]\r\nName=" + std::string(name) + "\r\nNextEntry=" + std::to_string(count + 1) + "\r\n";
    for (size_t i = 0; i < count; ++i) {
        char entry[400];
        std::snprintf(entry, sizeof entry,
                      "\r\n[Entry %u]\r\nFirstName=%s\r\nLastName=%s\r\nCompany=%s\r\nPhone=%d 01%02u\r\nFax=%d 02%02u\r\n",
                      static_cast<unsigned>(i + 1), contacts[i].first, contacts[i].last, contacts[i].company, area,
                      static_cast<unsigned>(i), area, static_cast<unsigned>(i));
        text += entry;
    }
    HANDLE file = CreateFileA((folder + "\\" + name + ".pbk").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return;
    DWORD written = 0;
    WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
    CloseHandle(file);
    Log("Phonebook \"" + std::string(name) + "\" with " + std::to_string(count) + " contacts written to " + folder);
}

void SeedPhonebooks()
{
    using GetStoreFolder = DWORD(WINAPI*)(char*, DWORD);
    HMODULE library = GetModuleHandleA("ReDiZazu.dll");
    auto getFolder = library ? reinterpret_cast<GetStoreFolder>(
                                   reinterpret_cast<void*>(GetProcAddress(library, "PhoneBookStandInGetStoreFolder")))
                             : nullptr;
    char folder[MAX_PATH] = {};
    if (!getFolder || !getFolder(folder, sizeof folder))
        return;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((std::string(folder) + "\\*.pbk").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        FindClose(search);
        return;
    }
    // Every folder along the way may be missing on a fresh profile.
    std::string path = folder;
    for (size_t at = path.find('\\', 3); at != std::string::npos; at = path.find('\\', at + 1))
        CreateDirectoryA(path.substr(0, at).c_str(), nullptr);
    CreateDirectoryA(folder, nullptr);
    WritePhonebook(folder, "Customers", kCustomers, sizeof kCustomers / sizeof kCustomers[0], 555);
    WritePhonebook(folder, "Suppliers", kSuppliers, sizeof kSuppliers / sizeof kSuppliers[0], 556);
}

void SeedCoverPages()
{
    // The preview names of the module's cover pages: "General.Qoi" and so on.
    for (const char* name : {"General", "ASAP", "Urgent", "Check This Out", "From The Top"}) {
        FaxPageText page{std::string("FAX - ") + name, {"To:", "Company:", "Fax:", "", "From:", "Date:", "Pages:", "",
                                                       "Subject:", "", "Notes:"}};
        MakeDocument(MyFaxFolders().coverPages, name, {page});
    }
}

SYSTEMTIME DaysFromNow(int days, int hour, int minute)
{
    SYSTEMTIME now;
    GetLocalTime(&now);
    FILETIME file;
    SystemTimeToFileTime(&now, &file);
    ULARGE_INTEGER value = {{file.dwLowDateTime, file.dwHighDateTime}};
    value.QuadPart += static_cast<ULONGLONG>(static_cast<LONGLONG>(days) * 864000000000LL);
    file = {value.LowPart, value.HighPart};
    SYSTEMTIME result;
    FileTimeToSystemTime(&file, &result);
    result.wHour = static_cast<WORD>(hour);
    result.wMinute = static_cast<WORD>(minute);
    result.wSecond = 0;
    result.wMilliseconds = 0;
    return result;
}

// Hands the engine a job, as the Send Fax dialog would; held jobs are a year ahead.
DWORD ScheduleJob(const Contact& to, const std::string& fax, const std::string& document, const SYSTEMTIME& start,
                  bool held)
{
    static char onHold[] = "On Hold";
    std::string name = std::string(to.first) + " " + to.last, company = to.company, number = fax, subject = "Sample",
                file = document;
    SEND_FAX job = {};
    Demo().fax.initSendStruct(Demo().engine, &job);
    job.nYear = static_cast<int16_t>(start.wYear + (held ? 1 : 0));
    job.nMonth = static_cast<int16_t>(start.wMonth);
    job.nDay = static_cast<int16_t>(start.wDay);
    job.nHour = static_cast<int16_t>(start.wHour);
    job.nMinute = static_cast<int16_t>(start.wMinute);
    job.nSecond = static_cast<int16_t>(start.wSecond);
    job.szDestName = &name[0];
    job.szToCompany = &company[0];
    job.szDestFax = &number[0];
    job.szSubject = &subject[0];
    job.szFileList = &file[0];
    job.szUserDefined = held ? onHold : nullptr;
    job.Resolution = 1;
    return Demo().fax.schedule(Demo().engine, &job);
}

// Runs a job that is due at once to its end, at one step per tick, on a day in the past.
void SendInThePast(const Contact& to, const std::string& fax, const std::string& document, int daysAgo, bool fails)
{
    SYSTEMTIME then = DaysFromNow(-daysAgo, 9 + daysAgo % 8, 10 + daysAgo);
    Demo().fax.setClock(&then);
    if (fails)
        Demo().fax.failNextTransmission();
    ScheduleJob(to, fax, document, then, false);
    for (int step = 0; step < 200 && Demo().fax.tick(Demo().engine); ++step) {
    }
    Demo().fax.setClock(nullptr);
}

DWORD ReceiveInThePast(const Contact& from, const std::string& fax, const char* document, int pages, int daysAgo,
                       DWORD flags)
{
    SYSTEMTIME then = DaysFromNow(-daysAgo, 8 + daysAgo % 9, 5 + daysAgo % 50);
    Demo().fax.setClock(&then);
    std::string name = std::string(from.first) + " " + from.last;
    DWORD id = Demo().fax.addReceived(Demo().engine, name.c_str(), fax.c_str(), document, static_cast<SHORT>(pages),
                                      flags);
    Demo().fax.setClock(nullptr);
    return id;
}

bool LogsAreEmpty()
{
    for (SHORT kind : {FAXLOG_WAITING, FAXLOG_SENDING, FAXLOG_SENT, FAXLOG_FAILED, FAXLOG_RECEIVED})
        if (Demo().fax.logCount(Demo().engine, kind) > 0)
            return false;
    return true;
}

// Runs work on the engine quickly and without showing it: one step per tick, no events.
template <typename Work>
void Quietly(Work work)
{
    MuteEngineEvents(true);
    Demo().fax.setPace(1, 1);
    work();
    while (Demo().fax.tick(Demo().engine)) {
    }
    MuteEngineEvents(false);
    SetTransmissionPace(PageSeconds());
}

void SeedLogs()
{
    const FaxFolders& fax = MyFaxFolders();
    std::string quote = MakeDocument(fax.outbox, "Quote 2291", Letter("Quote 2291", "Ann Archer", 3));
    std::string minutes = MakeDocument(fax.outbox, "Meeting Minutes", Letter("Meeting Minutes", "Bob Baker", 4));
    std::string note = MakeDocument(fax.outbox, "Delivery Note", Letter("Delivery Note", "Dan Dover", 2));
    std::string order = MakeDocument(fax.outbox, "Order 7781", Letter("Order 7781", "Eve Ellis", 2));
    std::string invoice = MakeDocument(fax.outbox, "Invoice 4410", Letter("Invoice 4410", "Frank Fisher", 3));
    std::string prices = TempPath("rwfax-demo-prices.tif");
    std::string confirmation = TempPath("rwfax-demo-confirmation.tif");
    WriteFaxTiff(prices, Letter("Price List", "Velmoor Demo Office", 3));
    WriteFaxTiff(confirmation, Letter("Order Confirmation", "Velmoor Demo Office", 2));
    Quietly([&] {
        SendInThePast(kCustomers[0], "555 0200", quote, 4, false);
        SendInThePast(kCustomers[1], "555 0201", minutes, 3, false);
        SendInThePast(kCustomers[3], "555 0203", note, 2, true);
        ScheduleJob(kCustomers[4], "555 0204", order, DaysFromNow(1, 9, 0), false);
        ScheduleJob(kCustomers[5], "555 0205", invoice, DaysFromNow(7, 14, 30), true);
        ReceiveInThePast(kSuppliers[0], "556 0200", prices.c_str(), 0, 3, 0);
        ReceiveInThePast(kSuppliers[2], "556 0202", confirmation.c_str(), 0, 1, 0);
        ReceiveInThePast(kSuppliers[6], "556 0206", nullptr, 2, 2, FAXRECEIVE_FAILED);
    });
    DeleteFileA(prices.c_str());
    DeleteFileA(confirmation.c_str());
    Log("Sample logs written: 2 sent, 1 failed, 1 pending, 1 held, 3 received faxes");
}
}  // namespace

std::string SampleSendDocument()
{
    return MakeDocument(MyFaxFolders().outbox, "Demo Letter", Letter("Demo Letter", "Customer", 3));
}

void SeedSampleData()
{
    SeedPhonebooks();
    SeedCoverPages();
    SampleSendDocument();
    if (LogsAreEmpty())
        SeedLogs();
}

int FillLogsWithMany(int count)
{
    std::string document = SampleSendDocument();
    const size_t customers = sizeof kCustomers / sizeof kCustomers[0];
    const size_t suppliers = sizeof kSuppliers / sizeof kSuppliers[0];
    int added = 0;
    Quietly([&] {
        for (int i = 0; i < count; ++i) {
            const Contact& from = kSuppliers[i % suppliers];
            added += ReceiveInThePast(from, "556 0" + std::to_string(300 + i % 700), nullptr, 1 + i % 5, i % 28,
                                      i % 17 == 0 ? FAXRECEIVE_FAILED : 0) != 0;
            const Contact& to = kCustomers[i % customers];
            added += ScheduleJob(to, "555 0" + std::to_string(300 + i % 700), document,
                                 DaysFromNow(1 + i % 40, 8 + i % 10, (i * 7) % 60), i % 5 == 0) != 0;
        }
    });
    return added;
}
