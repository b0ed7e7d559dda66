// Draws a scannable QR code of a text as a square grey image of a given size.
#pragma once

#include <string>
#include <vector>

struct SimQrImage {
    int nSize = 0;                    // width and height in pixels
    std::vector<unsigned char> grey;  // one byte a pixel, 0 dark, 255 light
};

// The code is drawn in whole pixels per module with a light quiet zone,
// centred in nSize x nSize; a text too long for that size makes the image
// larger rather than unreadable. Empty (nSize 0) when the text cannot be coded.
SimQrImage MakeSimQrImage(const std::string& text, int nSize);
