// "E&infügen..." of a file that adds nothing (it cannot be read, or holds
// no element) is no step: undo still undoes the step before it, and a
// saved document stays saved.

#include "BefehleTest.h"
#include "storage/TestOrdner.h"

#include <gtest/gtest.h>

using namespace kalvorin;

namespace {

TEST(Einfuegen, AFileThatAddsNothingIsNoStep) {
    test::TTestOrdner ordner;
    test::DateiSchreiben(ordner / "leer.kvr", "[Version]\r\nVersion=1\r\n");
    const std::pair<const char*, std::string> faelle[] = {
        {"no element", ordner / "leer.kvr"},
        {"no file", ordner / "fehlt.kvr"},
    };
    for (const auto& [fall, datei] : faelle) {
        test::TBefehlsDokument d;
        d.P("A", {1, 2, 3});
        d.D.Neuaufbau();
        d.Markieren({"A"});
        ASSERT_TRUE(d.D.MarkierteLoeschen()) << fall;
        d.D.Einfuegen(datei);
        ASSERT_TRUE(d.D.RueckgaengigMachen()) << fall;
        EXPECT_EQ(d.L.Anzahl(), 1) << fall << ": undo brings back the deleted point";

        test::TBefehlsDokument gespeichert;
        gespeichert.Markieren({});
        gespeichert.D.Einfuegen(datei);
        EXPECT_FALSE(gespeichert.D.Geaendert()) << fall;
        EXPECT_FALSE(gespeichert.D.RueckgaengigMachen()) << fall;
    }
}

} // namespace
