# Sourced by the benchmark scripts (from the repository's root).
# make_invoice LINES PDF OUTPUT: the test invoice with LINES document lines (its own lines repeated),
# line 97 naming PDF (empty: printed directly), written to OUTPUT.
make_invoice() {
  awk -v lines="$1" -v pdf="$2" '
    NR <= 99 { head[NR] = $0; next }
    { body[++n] = $0 }
    END {
      for (i = 1; i <= 99; i++) {
        if (i == 97) print "\"97\",\"" pdf "\"";
        else if (i == 98) print "\"98\",\"" lines "\"";
        else print head[i];
      }
      for (i = 1; i <= lines; i++) print body[(i - 1) % n + 1];
    }' tests/data/print_run/fattura.txt >"$3"
}
