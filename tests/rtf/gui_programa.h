// Rich-text documents need a QGuiApplication (fonts, colours); the tests share one.
#pragma once

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QString>
#include <ostream>

inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

namespace kervosta::testai {

class SuGuiPrograma : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    static int argc = 1;
    static char vardas[] = "kervosta_rtf_tests";
    static char* argv[] = {vardas, nullptr};
    if (!QGuiApplication::instance()) new QGuiApplication(argc, argv);
  }
};

}  // namespace kervosta::testai
