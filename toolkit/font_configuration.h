#pragma once

typedef struct _FcConfig FcConfig;

// The desktop's font configuration, read as fontconfig reads it when it
// starts itself: FONTCONFIG_FILE or the system's fonts.conf with everything
// it includes, the user's own files among them, and the fonts it lists. One
// step of fontconfig's own start-up is left out: it also parses every
// template in its conf.avail folder, enabled or not, only to collect the
// descriptions that `fc-conflist` prints. That is over a third of its
// start-up (10 M of 28 M instructions on Debian 12) and changes nothing the
// program draws.
// Null where fontconfig's own start-up has to decide: a configuration that
// cannot be read or parsed, or one that names no cache folder, gets its
// fallback from fontconfig.
FcConfig *loadDesktopFontConfiguration();

// Makes that configuration fontconfig's current one and returns it, or
// returns null and leaves fontconfig to start itself when first asked.
// Called before anything asks fontconfig for fonts (Qt does at the first
// text it measures): fonts registered with a configuration it replaced would
// be lost.
FcConfig *useDesktopFontConfiguration();
