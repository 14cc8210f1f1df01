#!/bin/bash
# The places of small generated events against places worked out by hand (below, with the
# results each seed gives and the reasoning), not against the program's own ranking: the
# generator's rank column must equal them, the checker must call the file consistent, and
# the same file with two hand-worked places swapped must be caught.
# Usage: hand_worked_places.sh KRUGOVIK
set -u
bin="$1"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
failed=0

# players seed draws% | tie-breaks | places of players 1..N, worked by hand.
events=(
    # 4 3 40: P1 beat 4 and 3, lost to 2: 2; P2 drew 3, beat 1, lost to 4: 1.5; P3 drew 2
    # and 4, lost to 1: 1; P4 lost to 1, drew 3, beat 2: 1.5. P2 and P4 tie; DE: 4 beat 2.
    "4 3 40|DE WIN SB KS|1 3 4 2"
    # 6 11 35: P2 (=5, 1:1, 1:6, 0:3, 1:4) 3.5 and P3 (1:4, =5, 1:1, 1:2, 0:6) 3.5; P6 3;
    # P1 2.5; P5 1.5; P4 1. DE between 2 and 3: 3 beat 2.
    "6 11 35|DE WIN SB KS|4 2 1 6 5 3"
    # 4 22 50: P1 (=4, 0:2, 1:3) 1.5; P2 (=3, 1:1, =4) 2; P3 (=2, =4, 0:1) 1;
    # P4 (=1, =3, =2) 1.5. P1 and P4 tie: WIN 1 against 0, so P1 is 2nd.
    "4 22 50|WIN SB KS|2 1 4 3"
    # The same games by SB: P1 beat P3 (1) and drew P4 (1.5/2): 1.75; P4 drew all three:
    # (1.5 + 1 + 2) / 2 = 2.25. P4 is 2nd now.
    "4 22 50|SB WIN|3 1 4 2"
    # By KS (limit half of 3 points, 1.5): P1 scored 0 against P2 and 0.5 against P4: 0.5;
    # P4 0.5 against P1 and 0.5 against P2: 1. P4 is 2nd.
    "4 22 50|KS|3 1 4 2"
    # 4 27 50: P1 (1:4, 0:2, =3) 1.5; P2 (0:3, 1:1, 0:4) 1; P3 (1:2, =4, =1) 2;
    # P4 (0:1, =3, 1:2) 1.5. P1 and P4 have a win each; SB: P1 1.5 + 2/2 = 2.5, P4 1 + 2/2 = 2.
    "4 27 50|WIN SB KS|2 4 1 3"
    # 4 28 50: P1 (0:4, 0:2, 1:3) 1; P2 (0:3, 1:1, =4) 1.5; P3 (1:2, =4, 0:1) 1.5;
    # P4 (1:1, =3, =2) 2. P2 and P3 a win each; SB: P2 1 + 2/2 = 2, P3 1.5 + 2/2 = 2.5.
    "4 28 50|WIN SB KS|4 3 2 1"
    # 4 26 50: P1 (1:4, =2, =3) 2 and P2 (1:3, =1, =4) 2: a win each, SB 1 + 1 + 0.5 = 2.5
    # each, KS 0.5 each (only the other scored 1.5 or more): they share 1-2. P3 (0:2, =4,
    # =1) and P4 (0:1, =3, =2): no win, SB 0.5 + 1 = 1.5 each, KS 0.5 each: 3-4.
    "4 26 50|WIN SB KS|1 1 3 3"
    # 4 29 50: P3 2; P1 and P2 drew all their games, 1.5 each: no win, SB (1 + 1.5 + 2) / 2 =
    # 2.25 each, KS 1 each (P1: draws with P2 and P3; P2 the same): they share 2-3.
    "4 29 50|WIN SB KS|2 2 1 4"
)

for event in "${events[@]}"; do
    IFS='|' read -r args list expected <<<"$event"
    read -r players seed draws <<<"$args"
    file="$work/$players-$seed-${list// /_}.trf"
    "$bin" --generate --players "$players" --cycles 1 --seed "$seed" --draws "$draws" \
        --tie-breaks "$list" >"$file"
    got="$(grep '^001' "$file" | cut -c86-89 | tr -s ' \n' ' ' | sed 's/^ //; s/ $//')"
    if [ "$got" != "$expected" ]; then
        echo "FAIL $event: the generator places $got"
        failed=1
        continue
    fi
    if ! "$bin" --check "$file" >"$work/check.out" 2>&1; then
        echo "FAIL $event: $(cat "$work/check.out")"
        failed=1
    fi
    # Two players of different places swap their places: the checker must see it.
    awk 'substr($0, 1, 3) == "001" { n++; line[n] = NR; rank[n] = substr($0, 86, 4) }
         { text[NR] = $0 }
         END {
             for (k = 2; k <= n && rank[k] == rank[1]; k++) {}
             a = line[1]; b = line[k]
             text[a] = substr(text[a], 1, 85) rank[k] substr(text[a], 90)
             text[b] = substr(text[b], 1, 85) rank[1] substr(text[b], 90)
             for (i = 1; i <= NR; i++) print text[i]
         }' "$file" >"$work/swapped.trf"
    "$bin" --check "$work/swapped.trf" >/dev/null 2>&1
    if [ $? -ne 1 ]; then
        echo "FAIL $event: two places swapped pass the checker"
        failed=1
    fi
done
[ "$failed" -eq 0 ] && echo "hand-worked places agree"
exit "$failed"
