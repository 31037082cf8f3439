[cc.begin] header_check=<hTIMEhPIDhN_h> header_file=<"x.hh"> ztime=<YYYY-MM-DD HH:MM:SSZ> timestamp=<YYYY-MM-DD HH:MM:SS> utilclass=<xUtils>
[cc.declare.value] arg_type=<ret(long)> arg_name=<LEFTARG>
[cc.main.begin] mainclass=<x>
[cc.println] value=< "The VALUE is">
[cc.print] value=< VALUE>
[cc.set] leftarg=<g_LEFTARG> value=< RIGHTARG and CLASS_NAME>
[cc.if] condexp=<[cc.conditional.qorassert] precision=<0.0> leftarg=<g_LEFTARG> rightarg=<"CONDEXP">
>
[cc.assert] condexp=<[cc.conditional.qorassert] precision=<0.0> leftarg=<[cc.assert.actual]> rightarg=<[cc.assert.expected]>
> assert_text=<"VALUE == \042VALUE\042"> assert_operator=<"=="> assert_actual=<VALUE> assert_expected=<"VALUE">
[cc.end.if]
 HEADER_FILE
[cc.main.end] mainclass=<x>
[cc.class.end]
[cc.end]
