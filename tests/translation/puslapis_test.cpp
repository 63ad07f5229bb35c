// Web pages: the character set a page is read in, and which parts of it are translated.
#include <gtest/gtest.h>

#include <string>

#include "core/cp1257.h"
#include "translation/puslapio_koduote.h"
#include "translation/puslapio_vertimas.h"

namespace kervosta {
namespace {

using namespace literals;

// Marks what it was given to translate, so the test sees exactly which runs went through it.
std::string Versti(std::string_view puslapis) {
  return VerstiPuslapi(puslapis, [](std::string_view tekstas) {
    return "[" + std::string(tekstas) + "]";
  });
}

TEST(PuslapioVertimas, TextRunsAreTranslatedAndEveryTagCommentAndScriptKept) {
  const std::pair<std::string_view, std::string_view> atvejai[] = {
      {"<p>house</p>", "<p>[house]</p>"},
      // Text before the first tag, and a run or an unclosed tag at the very end, are kept.
      {"Hello <b>big</b> world", "[Hello] <b>[big]</b> [world]"},
      {"<p>end <a href=", "<p>[end] <a href="},
      // Nested and quoted '>' stay inside their tag; a '<' before a space is text.
      {"<a title=\"a>b\" x=<y>>go</a>", "<a title=\"a>b\" x=<y>>[go]</a>"},
      {"<p>3 < 5 > 1</p>", "<p>[3 &lt; 5 &gt; 1]</p>"},
      // Code and comments are not text.
      {"<script>var a = '<b>';</script><STYLE>p{}</STYLE><!-- a > b -->x",
       "<script>var a = '<b>';</script><STYLE>p{}</STYLE><!-- a > b -->[x]"},
      {"<script src=x />y", "<script src=x />[y]"},
      // White space around a run stays where it was; a run of white space is not translated.
      {"<td>\n  dog \n</td>\n<td> </td>", "<td>\n  [dog] \n</td>\n<td> </td>"},
      // Entities are read before translation and the translation escaped again.
      {"<p>Tom &amp; Jerry&nbsp;&#38;&#x41;&copy;&bogus;</p>",
       "<p>[Tom &amp; Jerry &amp;A\xC2\xA9&amp;bogus;]</p>"},
      // The page is written in UTF-8 and says so.
      {"<meta charset=\"windows-1257\"><META http-equiv=Content-Type content='text/html; "
       "charset=iso-8859-1'>",
       "<meta charset=\"utf-8\"><META http-equiv=Content-Type content='text/html; charset=utf-8'>"},
  };
  for (const auto& [puslapis, tiketina] : atvejai) EXPECT_EQ(Versti(puslapis), tiketina) << puslapis;
}

TEST(PuslapioVertimas, TheDriverTranslatesRunsAndLithuanianLettersComeOutInUtf8) {
  Aplinka aplinka;
  aplinka.AutomatinisVertimas = 1;
  // An unknown word stays English; the driver still renders it as a sentence.
  EXPECT_EQ(VerstiPuslapi(aplinka, "<h1>zorble</h1>"), "<h1>Zorble</h1>");
  const std::string lt = VerstiPuslapi(
      "<i>oak</i>", [](std::string_view) { return std::string("ąžuolas"_lt); });
  EXPECT_EQ(lt, "<i>ąžuolas</i>");
}

TEST(PuslapioKoduote, TheDeclaredCharsetDecidesElseValidUtf8ElseWindows1257) {
  EXPECT_EQ(DeklaruotaKoduote("text/html; charset=UTF-8", "<meta charset=cp1257>"), "utf-8");
  EXPECT_EQ(DeklaruotaKoduote("text/html", "<html><meta charset='Windows-1257'>"), "windows-1257");
  EXPECT_EQ(DeklaruotaKoduote("", "<meta http-equiv=\"Content-Type\" content=\"text/html; "
                                  "charset=iso-8859-1\">"),
            "iso-8859-1");
  EXPECT_EQ(DeklaruotaKoduote("", "<p>charset is not declared here</p>"), "");

  const std::string azuolas = std::string("Ąžuolas"_lt);  // Windows-1257 bytes
  EXPECT_EQ(PuslapisUtf8(azuolas, "windows-1257"), "Ąžuolas");
  EXPECT_EQ(PuslapisUtf8(azuolas, ""), "Ąžuolas");
  EXPECT_EQ(PuslapisUtf8("Ąžuolas", ""), "Ąžuolas");
  EXPECT_EQ(PuslapisUtf8("\xEF\xBB\xBFĄ", "windows-1257"), "Ą");  // the mark wins
  EXPECT_EQ(PuslapisUtf8("caf\xE9 \x93x\x94", "windows-1252"), "café “x”");
  EXPECT_EQ(PuslapisUtf8("caf\xE9", "iso-8859-1"), "café");
  EXPECT_EQ(PuslapisUtf8("a\xFF" "b", "utf-8"), "a\xEF\xBF\xBD" "b");
  EXPECT_TRUE(TinkamasUtf8(PuslapisUtf8(std::string("\x00\x80\xFF\xC3", 4), "utf-8")));
}

}  // namespace
}  // namespace kervosta
