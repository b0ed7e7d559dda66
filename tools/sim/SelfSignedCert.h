// A fresh self-signed certificate and key for the simulator's HTTPS server.
#pragma once

#include <openssl/evp.h>
#include <openssl/x509.h>

class CSelfSignedCert {
public:
    CSelfSignedCert() = default;
    ~CSelfSignedCert();
    CSelfSignedCert(const CSelfSignedCert&) = delete;
    CSelfSignedCert& operator=(const CSelfSignedCert&) = delete;

    // An EC P-256 key and a certificate for "127.0.0.1", valid for a day.
    bool Generate();
    X509* Cert() const { return m_pCert; }
    EVP_PKEY* Key() const { return m_pKey; }

private:
    X509* m_pCert = nullptr;
    EVP_PKEY* m_pKey = nullptr;
};
