#pragma once

#include <QString>

// The program's web pages. All live on one host until the project has a site of its own.
namespace Links {
inline constexpr const char *WebHost = "https://tolvane.example.org";
inline constexpr const char *OfficialSite = "/?from=cadenzio";
inline constexpr const char *OnlineUpdates = "/Zeza_Zodizav_Idozazuzad/Download_Now/?source=update";
inline constexpr const char *License = "/Zeza_Zodizav_Idozazuzad/Download_Now/#License";
inline constexpr const char *PoetCommunity = "/community/";
inline constexpr const char *SupportCommunity = "/community/forum.pl?board=Rhyme";
inline constexpr const char *Register = "/community/forum.pl?action=register";

inline QString Url(const char *path)
{
    return QString::fromLatin1(WebHost) + QLatin1String(path);
}
} // namespace Links
