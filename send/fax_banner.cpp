#include "send/fax_banner.h"

#include <string>

#include "framework/resources.h"
#include "res/resource.h"
#include "send/header_macros.h"
#include "settings/setting_names.h"
#include "settings/setting_readers.h"

void BuildFaxBanner(char* banner)
{
    if (!banner)
        return;
    std::string left, center, right;
    // All three are read, in this order, even after a failure: each failure leaves its trace.
    bool haveLeft = TryReadSettingText(kHeaderLeft, kHeaderPartSize, &left);
    bool haveCenter = TryReadSettingText(kHeaderCenter, kHeaderPartSize, &center);
    bool haveRight = TryReadSettingText(kHeaderRight, kHeaderPartSize, &right);
    if (!haveLeft || !haveCenter || !haveRight) {
        const size_t longest = kHeaderPartSize - 1;
        left = LoadModuleString(IDS_HEADER_LEFT_DEFAULT).substr(0, longest);
        center = LoadModuleString(IDS_HEADER_CENTER_DEFAULT).substr(0, longest);
        right = LoadModuleString(IDS_HEADER_RIGHT_DEFAULT).substr(0, longest);
    }

    std::string line = left + "|" + center + "|" + right;
    // Parts of at most 20 characters always fit; the bound keeps the buffer safe regardless.
    size_t length = line.size() < kFaxBannerSize - 1 ? line.size() : kFaxBannerSize - 1;
    line.copy(banner, length);
    banner[length] = '\0';
    TranslateHeaderMacros(banner);
}
