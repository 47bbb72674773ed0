# The rooms of the bar engine include one way: model <- view <- customize, and model <- customize. The
# model includes nothing of the view or the customisation, the view nothing of the customisation; the
# include lines that break the rule are printed. $1: the repository's root.
rooms="$1/src/toolkit/bars"
status=0
forbid() {
    if grep -rnE "#include \"toolkit/bars/($2)/" "$rooms/$1"; then
        echo "the $1 room includes what it must not ($2)"
        status=1
    fi
}
forbid model 'view|customize'
forbid view customize
exit $status
