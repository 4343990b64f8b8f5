#include "akis.h"

#include <gtest/gtest.h>

using namespace rvz;

namespace {

// A stream that records the size of every read.
class SayanAkis : public TStream {
public:
    using TStream::TStream;
    std::vector<std::int64_t> okumalar;
    std::int64_t Read(char* hedef, std::int64_t n) override {
        const auto r = TStream::Read(hedef, n);
        okumalar.push_back(r);
        return r;
    }
};

struct AkisDurumu {
    const char* ad;
    std::size_t bayt;
    std::int64_t duyurulan;
    bool kabul;
    std::vector<std::int64_t> okumalar;
};

class AkisKurali : public ::testing::TestWithParam<AkisDurumu> {};

TEST_P(AkisKurali, ReadsInChunksAndAcceptsOnlyTheAnnouncedLength) {
    const auto& d = GetParam();
    SayanAkis akis(std::string(d.bayt, 'x'));
    akis.Seek(static_cast<std::int64_t>(d.bayt / 2)); // the rule rewinds first
    const auto sonuc = AkisOku(&akis, d.duyurulan);
    EXPECT_EQ(sonuc.has_value(), d.kabul);
    if (sonuc) {
        EXPECT_EQ(sonuc->size(), d.bayt);
    }
    EXPECT_EQ(akis.okumalar, d.okumalar);
}

INSTANTIATE_TEST_SUITE_P(Durumlar, AkisKurali,
                         ::testing::Values(AkisDurumu{"tam1024", 1024, 1024, true, {1024, 0}},
                                           AkisDurumu{"kisa1500", 1424, 1500, false, {1024, 400}},
                                           AkisDurumu{"sifirDuyurulan", 10, 0, false, {}},
                                           AkisDurumu{"kucukResim", 10, 10, true, {10}},
                                           AkisDurumu{"fazlaBayt", 2000, 1500, false, {1024, 976}}),
                         [](const auto& bilgi) { return std::string(bilgi.param.ad); });

TEST(AkisKurali, MissingStreamGivesNothing) {
    EXPECT_FALSE(AkisOku(nullptr, 10).has_value());
}

} // namespace
