// The golden digests: for every function, the SHA-256 of everything it writes over a fixed,
// deterministic set of calls (the sweep's lengths, layouts, in-place uses, overlaps and scale
// factors, with data drawn from a generator seeded by the function's name), recorded in
// digests.txt.  Every build flavour, and every change to the library, must reproduce them:
// a different digest means a different result somewhere.  A change of the file is a change
// of results, which users must be told of: `make digests` rewrites it from the library under
// test, and versions.txt ties the whole record to the version that carries it.
//
// A third column, where it differs, is the portable digest: the same results with the sign of
// every NaN made from numbers cleared (rows.h).  A processor whose arithmetic makes another
// default NaN than x86 (64-bit ARM) is held to the portable digests, x86 to both.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>

#include "qvx_vector.h"
#include "support/libs.h"
#include "support/rows.h"
#include "support/sha256.h"

namespace {

const char kFile[] = QVX_SOURCE_DIR "/tests/golden/digests.txt";
const char kVersions[] = QVX_SOURCE_DIR "/tests/golden/versions.txt";

// The SHA-256 of the record's exact digests, as lines "name digest\n" (comments and portable
// digests left out).
std::string record_hash(std::istream& in) {
  qvxt::Sha256 h;
  std::string line;
  while (std::getline(in, line)) {
    if (line.empty() || line[0] == '#') continue;
    std::istringstream f(line);
    std::string name, hex;
    f >> name >> hex;
    line = name + " " + hex + "\n";
    h.update(line.data(), line.size());
  }
  return h.hex();
}

// Functions whose results come from the C math library's hypot (the magnitude of a double
// complex number, the double complex logarithm and square root, and the single-precision
// complex logarithm, whose float the magnitude's last bit moves).  glibc's hypot differs
// between processors in the last bit of a few per cent of its results (x86-64 against 64-bit
// ARM, glibc 2.36), while sin, cos, tan, exp, log, pow, atan, atan2, asin, acos and sqrt gave
// the same bits there on every input tried.  The record holds x86-64's results: elsewhere
// these digests are not compared, and the sweep holds the functions' vector paths to their
// element loops, which call the same library.
const std::set<std::string> kFromHypot = {"Vector_Ampl_64FC", "Vector_DescartToPolar_64F",
                                          "Vector_Log_32FC", "Vector_Log_64FC",
                                          "Vector_Sqrt_64FC"};
#if defined(__x86_64__)
constexpr bool kRecordsLibrary = true;  // the C library the record was made with
#else
constexpr bool kRecordsLibrary = false;
#endif

bool updating() {
  const char* u = getenv("QVX_UPDATE_DIGESTS");
  return u != nullptr && *u != '\0' && *u != '0';
}

class Digest : public ::testing::TestWithParam<qvxt::Row> {};

TEST_P(Digest, MatchesTheRecord) {
  if (updating()) GTEST_SKIP() << "rewriting the record";
  const qvxt::Row& r = GetParam();
  if (!kRecordsLibrary && kFromHypot.count(r.name))
    GTEST_SKIP() << r.name << ": results of this processor's hypot, checked by the sweep only";
  const auto it = qvxt::recorded_digests().find(r.name);
  const auto portable = qvxt::recorded_portable_digests().find(r.name);
  ASSERT_NE(it, qvxt::recorded_digests().end())
      << r.name << " has no recorded digest (make digests)";
  std::string got_portable;
  const std::string got = r.digest(r, qvxt::main_lib(), &got_portable);
  if (qvxt::makes_x86_nans()) {
    EXPECT_EQ(got, it->second) << r.name << " gives other results than recorded in tests/golden/digests.txt";
  }
  EXPECT_EQ(got_portable, portable->second)
      << r.name << " gives other results than the portable digest in tests/golden/digests.txt";
}

INSTANTIATE_TEST_SUITE_P(EveryFunction, Digest, ::testing::ValuesIn(qvxt::function_rows()),
                         [](const ::testing::TestParamInfo<qvxt::Row>& info) {
                           return std::string(info.param.name);
                         });

TEST(Digests, RecordNamesOnlyFunctionsOfTheTable) {
  std::set<std::string> names;
  for (const auto& r : qvxt::function_rows()) names.insert(r.name);
  for (const auto& e : qvxt::recorded_digests())
    EXPECT_TRUE(names.count(e.first)) << e.first << " is not in the table";
}

// Every version names the record of results it was released with (versions.txt: "version
// hash", oldest first; the hash is record_hash of digests.txt).  Changed results change the
// hash, and this fails until the version in the header is raised and its line added (or, for
// a version not yet released, its line updated): no result changes under a version that
// users already have.
TEST(Digests, BelongToTheVersion) {
  std::ifstream record(kFile), versions(kVersions);
  ASSERT_TRUE(record.good() && versions.good());
  const std::string now = record_hash(record);
  std::map<std::string, std::string> by_version;
  std::string line, last;
  while (std::getline(versions, line)) {
    if (line.empty() || line[0] == '#') continue;
    std::istringstream f(line);
    std::string version, hash;
    f >> version >> hash;
    EXPECT_TRUE(by_version.emplace(version, hash).second) << version << " is listed twice";
    last = version;
  }
  EXPECT_EQ(last, QVX_VERSION_STRING) << "versions.txt does not end with the header's version";
  EXPECT_EQ(by_version[QVX_VERSION_STRING], now)
      << "the results differ from those recorded for " << QVX_VERSION_STRING
      << ": raise the version and add the line \"<version> " << now << "\" to versions.txt "
      << "(see doc/versioning.md)";
}

// With QVX_UPDATE_DIGESTS=1: writes the digests of the library under test (on x86, whose
// NaNs the exact record holds).
TEST(Digests, Update) {
  if (!updating()) GTEST_SKIP() << "set QVX_UPDATE_DIGESTS=1 to rewrite the record";
  ASSERT_TRUE(qvxt::makes_x86_nans()) << "the record is written where the arithmetic makes x86's NaNs";
  std::ostringstream out;
  out << "# name sha256 [sha256 with NaNs made from numbers unsigned, where that differs]\n"
         "# (tests/golden/digest_test.cpp); written by make digests\n";
  for (const auto& r : qvxt::function_rows()) {
    std::string p;
    const std::string exact = r.digest(r, qvxt::main_lib(), &p);
    out << r.name << " " << exact << (p == exact ? "" : " " + p) << "\n";
  }
  std::ofstream f(kFile);
  f << out.str();
  ASSERT_TRUE(f.good());
}

}  // namespace
