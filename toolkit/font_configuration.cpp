#include "toolkit/font_configuration.h"

#include <fontconfig/fontconfig.h>

namespace {

bool namesCacheFolder(FcConfig *config)
{
    FcStrList *folders = FcConfigGetCacheDirs(config);
    if (!folders)
        return false;
    const bool any = FcStrListNext(folders) != nullptr;
    FcStrListDone(folders);
    return any;
}

} // namespace

FcConfig *loadDesktopFontConfiguration()
{
    FcConfig *config = FcConfigCreate();
    if (!config)
        return nullptr;
    if (FcConfigParseAndLoad(config, nullptr, FcTrue) && namesCacheFolder(config)
        && FcConfigBuildFonts(config))
        return config;
    FcConfigDestroy(config);
    return nullptr;
}

FcConfig *useDesktopFontConfiguration()
{
    FcConfig *config = loadDesktopFontConfiguration();
    if (config && !FcConfigSetCurrent(config)) {
        FcConfigDestroy(config);
        return nullptr;
    }
    // Our reference is kept rather than handed over: whether FcConfigSetCurrent
    // takes one of its own differs between fontconfig releases, and the
    // configuration serves the whole run anyway.
    return config;
}
