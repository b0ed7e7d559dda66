// The files the simulator serves: two QR codes, their download pages and an installer, made at
// start.
#pragma once

#include <string>

struct SimAssets {
    std::string qrJpeg;        // the QR code of the first mobile download address, JPEG
    std::string qrPng;         // the QR code of the second one, PNG
    std::string mobilePage;    // what a phone finds at the first address
    std::string mobileGjPage;  // and at the second
    std::string installer;     // deterministic bytes standing in for the installer

    static SimAssets Make(const std::string& mobileUrl, const std::string& mobileGjUrl);
};
