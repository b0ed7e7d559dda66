// What the launcher's skin archive must hold: documents, images and sizes.
#pragma once

#include <array>

namespace skintest {

struct ImageSize {
    const char* m_pName;
    int m_nWidth;
    int m_nHeight;
};

inline constexpr std::array<const char*, 5> DOCUMENTS = {
    "MainFrame.xml", "Page1.xml", "Page1_Item.xml", "Page2.xml", "MessageBox.xml"};

inline constexpr std::array<ImageSize, 52> IMAGES = {{
    {"shadow.png", 236, 240},
    {"logo.png", 205, 69},
    {"opt_nav_hot.png", 8, 8},
    {"opt_nav_selected.png", 8, 8},
    {"btn_min_normal.png", 16, 16},
    {"btn_min_hover.png", 16, 16},
    {"btn_close_normal.png", 16, 16},
    {"btn_close_hover.png", 16, 16},
    {"icon_good.png", 15, 15},
    {"icon_normal.png", 15, 15},
    {"icon_bad.png", 15, 15},
    {"btn_refresh_normal.png", 57, 22},
    {"btn_refresh_hover.png", 57, 22},
    {"btn_refresh_click.png", 55, 20},
    {"progress_black.png", 393, 17},
    {"progress_green.png", 259, 17},
    {"progress_yellow.png", 213, 17},
    {"progress_red.png", 151, 17},
    {"btn_login_normal.png", 76, 22},
    {"btn_login_hover.png", 76, 22},
    {"btn_login_click.png", 104, 48},
    {"btn_login_disable.png", 104, 48},
    {"scroll_thumb_normal.png", 6, 8},
    {"scroll_thumb_hover.png", 6, 8},
    {"scroll_thumb_press.png", 6, 8},
    {"img_app.png", 99, 130},
    {"img_bet.png", 194, 122},
    {"btn_app_bg.png", 185, 26},
    {"btn_download_normal.png", 186, 26},
    {"btn_download_hover.png", 186, 26},
    {"button_normal.png", 82, 26},
    {"button_hover.png", 82, 26},
    {"button_press.png", 82, 26},
    {"button_disable.png", 104, 28},
    {"bg.png", 680, 480},
    {"img1.png", 150, 100},
    {"img2.png", 150, 86},
    {"img3.png", 150, 101},
    {"img_pc.png", 194, 122},
    {"qrcode.png", 280, 280},
    {"qr-code-phoneguaji.png", 300, 300},
    {"qrcode.jpg", 86, 86},
    {"qr-code-phoneguaji.jpg", 86, 86},
    {"btn_ios_normal.png", 104, 28},
    {"btn_ios_hover.png", 104, 28},
    {"btn_ios_click.png", 104, 28},
    {"btn_android_normal.png", 104, 28},
    {"btn_android_hover.png", 104, 28},
    {"btn_android_click.png", 104, 28},
    {"btn_pc_normal.png", 104, 28},
    {"btn_pc_hover.png", 104, 28},
    {"btn_pc_click.png", 104, 28},
}};

// Named by the documents but deliberately left out of the archive.
inline constexpr std::array<const char*, 8> ABSENT_IMAGES = {
    "btn_restore_normal.png", "btn_restore_hover.png",
    "btn_restore_press.png",  "btn_max_normal.png",
    "btn_max_hover.png",      "btn_max_press.png",
    "btn_download_click.png", "loading.gif"};

// Every image the documents draw as a 9-grid, with the corners they give it.
struct NineGrid {
    const char* m_pName;
    int m_nLeft, m_nTop, m_nRight, m_nBottom;
    // Largest change allowed down the middle rows (vertical gradients); -1 for
    // images drawn no taller than they are, whose middle rows never stretch.
    int m_nRowTolerance;
};

inline constexpr std::array<NineGrid, 15> NINE_GRIDS = {{
    {"shadow.png", 18, 17, 18, 23, 0},
    {"opt_nav_hot.png", 1, 1, 1, 1, 0},
    {"opt_nav_selected.png", 1, 1, 1, 1, 0},
    {"scroll_thumb_normal.png", 2, 2, 2, 2, 0},
    {"scroll_thumb_press.png", 2, 2, 2, 2, 0},
    {"progress_black.png", 8, 6, 8, 6, -1},
    {"progress_green.png", 8, 6, 48, 6, -1},
    {"progress_yellow.png", 8, 6, 48, 6, -1},
    {"progress_red.png", 8, 6, 48, 6, -1},
    {"btn_app_bg.png", 12, 12, 12, 12, 8},
    {"btn_download_normal.png", 12, 12, 12, 12, 8},
    {"btn_download_hover.png", 12, 12, 12, 12, 8},
    {"button_normal.png", 12, 12, 12, 12, 8},
    {"button_hover.png", 12, 12, 12, 12, 8},
    {"button_press.png", 12, 12, 12, 12, 8},
}};

}  // namespace skintest
