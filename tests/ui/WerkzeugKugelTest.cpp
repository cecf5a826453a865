// "kalvorin-tool dump" of spheres and circles: their kind, centre, normal
// and radius, and the same exactly as texts.

#include "storage/TestOrdner.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <cstdio>
#include <memory>
#include <string>

using namespace kalvorin;

namespace {

std::string Ausgabe(const std::string& befehl) {
    std::string aus;
    std::unique_ptr<FILE, int (*)(FILE*)> p(::popen(befehl.c_str(), "r"), ::pclose);
    if (!p) return aus;
    char puffer[4096];
    for (std::size_t n; (n = std::fread(puffer, 1, sizeof puffer, p.get())) > 0;)
        aus.append(puffer, n);
    return aus;
}

TEST(WerkzeugKugel, DumpGivesCentreNormalAndRadiusDecimalAndExact) {
    test::TTestOrdner ordner;
    const std::string datei = ordner / "k.kvr";
    test::DateiSchreiben(datei, "[M]\r\nElementart=0|DfrPunkt\r\nKoord=1|2|7\r\nPunktform=0\r\n"
                                "[P]\r\nElementart=0|DfrPunkt\r\nKoord=3|3|7\r\nPunktform=0\r\n"
                                "[K1]\r\nElementart=12|DKugel\r\nMR=1|2|3|7\r\n"
                                "[K2]\r\nElementart=12|DKugel\r\nFestlegung=1\r\nMP=M|P\r\n"
                                "[@k1]\r\nElementart=13|DKreis\r\nMNR=1|2|3|0|0|1|3\r\n");
    const std::string aus =
        Ausgabe("QT_QPA_PLATFORM=offscreen '" KALVORIN_WERKZEUG "' dump '" + datei + "'");
    const nlohmann::json j = nlohmann::json::parse(aus, nullptr, false);
    ASSERT_FALSE(j.is_discarded()) << aus;
    const auto& e = j["elements"];
    ASSERT_EQ(e.size(), 5u);
    EXPECT_EQ(e[2]["kind"], 12);
    EXPECT_EQ(e[2]["geometry"]["center"], nlohmann::json::array({1.0, 2.0, 3.0}));
    EXPECT_EQ(e[2]["geometry"]["radius"], 7.0);
    EXPECT_EQ(e[2]["exact"]["center"], nlohmann::json::array({"1", "2", "3"}));
    EXPECT_EQ(e[2]["exact"]["radius"], "7");
    EXPECT_EQ(e[3]["exact"]["radius"], "√5");
    EXPECT_EQ(e[4]["kind"], 13);
    EXPECT_EQ(e[4]["geometry"]["normal"], nlohmann::json::array({0.0, 0.0, 1.0}));
    EXPECT_EQ(e[4]["geometry"]["radius"], 3.0);
    EXPECT_EQ(e[4]["exact"]["normal"], nlohmann::json::array({"0", "0", "1"}));
    EXPECT_EQ(e[4]["exact"]["radius"], "3");
    EXPECT_EQ(j["messages"].size(), 0u) << aus;
}

// "apply" runs the sphere's commands: the line through K gives its two
// points, the tangent plane at the first follows them, and "dump" names
// their derivations.
TEST(WerkzeugKugel, ApplyCutsTheLineAndMakesTheTangentPlane) {
    test::TTestOrdner ordner;
    const std::string ein = ordner / "ein.kvr", aus = ordner / "aus.kvr";
    test::DateiSchreiben(ein, "[K]\r\nElementart=12|DKugel\r\nMR=1|2|3|7\r\n"
                              "[g]\r\nElementart=5|DGerade\r\nGPAR=-1|-1|-3|2|3|6\r\n");
    const std::string befehl = "QT_QPA_PLATFORM=offscreen '" KALVORIN_WERKZEUG "' ";
    const std::string meldung = Ausgabe(befehl + "apply '" + ein + "' '" + aus +
                                        "' Markieren=g,K SchneidenClick Markieren=K,P1 "
                                        "TangentialebeneClick 2>&1");
    EXPECT_EQ(meldung.find("nicht verfügbar"), std::string::npos) << meldung;
    const nlohmann::json j =
        nlohmann::json::parse(Ausgabe(befehl + "dump '" + aus + "'"), nullptr, false);
    ASSERT_FALSE(j.is_discarded());
    const auto& e = j["elements"];
    ASSERT_EQ(e.size(), 5u);
    EXPECT_EQ(e[2]["derivation"], 24);
    EXPECT_EQ(e[2]["geometry"]["point"], nlohmann::json::array({-1.0, -1.0, -3.0}));
    EXPECT_EQ(e[3]["exact"]["point"], nlohmann::json::array({"3", "5", "9"}));
    EXPECT_EQ(e[4]["kind"], 8);
    EXPECT_EQ(e[4]["derivation"], 26);
    EXPECT_EQ(e[4]["exact"]["normal"], nlohmann::json::array({"2", "3", "6"}));
}

} // namespace
