#pragma once
// Pictures of the module's modal windows for the gallery. While a gallery is open, every
// dialog, property sheet and message box that becomes active on this thread is pictured
// (each page of a sheet on its own) and then closed with Cancel, so a command that opens
// one returns by itself. A few windows are first asked to open the windows they lead to.
#include <windows.h>

#include <string>

class WindowGallery {
public:
    explicit WindowGallery(const std::string& folder);
    ~WindowGallery();
    WindowGallery(const WindowGallery&) = delete;
    WindowGallery& operator=(const WindowGallery&) = delete;

    // Writes one window as <folder>\<name>.png; counts it when written.
    bool Picture(HWND window, const std::string& name);
    int Written() const { return m_written; }

private:
    static LRESULT CALLBACK OnActivate(int code, WPARAM wParam, LPARAM lParam);
    static void CALLBACK OnSettled(HWND, UINT, UINT_PTR timer, DWORD);
    void Visit(HWND window);
    void VisitSheet(HWND sheet, const std::string& caption);

    std::string m_folder;
    HHOOK m_hook = nullptr;
    int m_written = 0;
};

// "Fax Logs" -> "fax-logs": names of picture files.
std::string PictureName(const std::string& caption);
