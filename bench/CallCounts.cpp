// Prints, for a load and an apply with n accounts and m dial-up entries,
// the registry calls made next to the number the work requires.

#include <cstdio>

#include "Workload.h"

namespace {

void Row(const char* what, int n, int m, const TCalls& got, const TCalls& need) {
  auto ratio = [](std::uint64_t a, std::uint64_t b) {
    return b == 0 ? (a == 0 ? 1.0 : 0.0) : double(a) / double(b);
  };
  std::printf("| %s | %d | %d | %llu / %llu | %llu / %llu | %llu / %llu | %llu / %llu | %.2f |\n", what, n, m,
              (unsigned long long)got.opens, (unsigned long long)need.opens, (unsigned long long)got.reads,
              (unsigned long long)need.reads, (unsigned long long)got.writes, (unsigned long long)need.writes,
              (unsigned long long)got.enums, (unsigned long long)need.enums,
              ratio(got.opens + got.reads + got.writes + got.enums + got.closes,
                    need.opens + need.reads + need.writes + need.enums + need.closes));
}

}  // namespace

int main(int argc, char** argv) {
  const int largest = argc > 1 ? std::atoi(argv[1]) : 10000;
  std::printf(
      "| run | accounts | dial-up entries | opens | reads | writes | enumerations | calls / required |\n");
  std::printf("|---|---|---|---|---|---|---|---|\n");
  for (int n = 10; n <= largest; n *= 10) {
    const int m = n / 10 + 1;
    THarness h;
    const TWorkload w = PutWorkload(h.store, n, m);
    h.store.ClearLog();
    TForm1& f = h.Start();
    if (!h.Reports().empty()) return 1;
    TCalls startup = RequiredForLoad(w);
    startup.opens += 1;  // the own key for the placement, and its four values
    startup.closes += 1;
    startup.reads += 4;
    Row("start-up (placement and load)", n, m, Measured(h.store), startup);
    h.store.ClearLog();
    f.Button3->UserClick();
    Row("ReLoad", n, m, Measured(h.store), RequiredForLoad(w));
    h.store.ClearLog();
    f.Button1->UserClick();
    if (!h.Reports().empty()) return 1;
    Row("apply (LAN)", n, m, Measured(h.store), RequiredForApply(w));
  }
  return 0;
}
