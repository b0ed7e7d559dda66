// Generates the HTTPS server's certificate at start, so nothing secret lives in the repository.
#include "tools/sim/SelfSignedCert.h"

#include <openssl/x509v3.h>

namespace {

const long VALID_SECONDS = 24L * 60 * 60;

bool SetSubject(X509* cert) {
    X509_NAME* name = X509_get_subject_name(cert);
    const unsigned char* cn = reinterpret_cast<const unsigned char*>("127.0.0.1");
    return X509_NAME_add_entry_by_txt(name, "CN", MBSTRING_ASC, cn, -1, -1, 0) == 1 &&
           X509_set_issuer_name(cert, name) == 1;
}

}  // namespace

CSelfSignedCert::~CSelfSignedCert() {
    X509_free(m_pCert);
    EVP_PKEY_free(m_pKey);
}

bool CSelfSignedCert::Generate() {
    m_pKey = EVP_EC_gen("P-256");
    m_pCert = X509_new();
    if (m_pKey == nullptr || m_pCert == nullptr)
        return false;
    X509_set_version(m_pCert, 2);
    ASN1_INTEGER_set(X509_get_serialNumber(m_pCert), 1);
    X509_gmtime_adj(X509_getm_notBefore(m_pCert), -60);
    X509_gmtime_adj(X509_getm_notAfter(m_pCert), VALID_SECONDS);
    return X509_set_pubkey(m_pCert, m_pKey) == 1 && SetSubject(m_pCert) &&
           X509_sign(m_pCert, m_pKey, EVP_sha256()) > 0;
}
