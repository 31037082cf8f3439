# nuxc's shell set-up. Source it before using nuxc: ". PREFIX/share/nuxc/nuxcrc.sh".
# It names the omniORB binding in NUXC_BINDING and puts nuxc and depwrite on the PATH.
# "cmake --install build --prefix PREFIX" installs it with PREFIX filled in below; this copy, at
# the top of the source tree, is the template of that one.
nuxc_prefix='@NUXC_PREFIX@'
case $nuxc_prefix in
    @*)
        echo "nuxcrc.sh: this is the template in the source tree; install nuxc with" \
             "\"cmake --install build --prefix PREFIX\" and source PREFIX/share/nuxc/nuxcrc.sh" >&2
        unset nuxc_prefix
        return 1 2>/dev/null || exit 1
        ;;
esac
NUXC_BINDING=$nuxc_prefix/share/nuxc/bindings/omniorb
export NUXC_BINDING
case :$PATH: in
    *:$nuxc_prefix/bin:*) ;;
    *) PATH=$nuxc_prefix/bin:$PATH; export PATH ;;
esac
unset nuxc_prefix
