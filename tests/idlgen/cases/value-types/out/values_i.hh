[hh.begin] header_check=<hTIMEhPIDhN_h> header_file=<"values_i.hh"> ztime=<YYYY-MM-DD HH:MM:SSZ> timestamp=<YYYY-MM-DD HH:MM:SS> utilclass=<values_iUtils>
[hh.include.idl] idl_basename=<values>
[hh.clone] return_type=<Point::Pair> arg_type=<Point::Pair> interface_name=<INTERFACE_NAME> define_id=<DEFINE_ID> altdefid=<ALTDEFID>
[hh.clone.pointer] return_type=<Point::Pair> arg_type=<Point::Pair> define_id=<DEFINE_ID> altdefid=<ALTDEFID>
[hh.make.struct] make_type=<Point_Pair> return_type=<ret(NT_struct_fixed Point::Pair)> arglist=<[cchh.argument] arg_type=<ret(long)> arg_name=<arg1>
[cchh.arglist.separator]
[cchh.argument] arg_type=<ret(long)> arg_name=<arg2>
>
[hh.compare] return_type=<Point::Pair> arg_type=<Point::Pair> interface_name=<INTERFACE_NAME> define_id=<DEFINE_ID> altdefid=<ALTDEFID>
[hh.clone] return_type=<Labelled> arg_type=<Labelled> interface_name=<INTERFACE_NAME> define_id=<DEFINE_ID> altdefid=<ALTDEFID>
[hh.clone.pointer] return_type=<Labelled> arg_type=<Labelled> define_id=<DEFINE_ID> altdefid=<ALTDEFID>
[hh.make.struct] make_type=<Labelled> return_type=<ret(NT_struct_fixed Labelled)> arglist=<[cchh.argument] arg_type=<ret(NT_valuetype Point)> arg_name=<arg1>
[cchh.arglist.separator]
[cchh.argument] arg_type=<ret(NT_valuebox Text)> arg_name=<arg2>
>
[hh.compare] return_type=<Labelled> arg_type=<Labelled> interface_name=<INTERFACE_NAME> define_id=<DEFINE_ID> altdefid=<ALTDEFID>
[hh.clone] return_type=<ret(NT_interface Plotter)> arg_type=<in(NT_interface Plotter)> interface_name=<Plotter> define_id=<DEFINE_ID> altdefid=<ALTDEFID>
[hh.compare] return_type=<ret(NT_interface Plotter)> arg_type=<in(NT_interface Plotter)> interface_name=<Plotter> define_id=<DEFINE_ID> altdefid=<ALTDEFID>

[hh.class.begin] class_name=<Plotter_i>
[hh.class.members.begin] class_name=<Plotter_i>
[hh.class.constructor.begin] return_type=<> function_name=<Plotter_i> class_name=<Plotter_i>
[hh.class.member.end] class_name=<Plotter_i>
[hh.class.member.begin] return_type=<ret(NT_valuetype Point)> function_name=<plot> class_name=<Plotter_i>
[hh.arglist] arglist=<[cchh.argument] arg_type=<in(NT_valuetype Point)> arg_name=<p>
[cchh.arglist.separator]
[cchh.argument] arg_type=<out(NT_valuebox Text)> arg_name=<t>
[cchh.arglist.separator]
[cchh.argument] arg_type=<inout(NT_valuetype Later)> arg_name=<l>
[cchh.arglist.separator]
[cchh.argument] arg_type=<env_t&> arg_name=<env>
>
[hh.class.member.end] class_name=<Plotter_i>
[hh.class.member.begin] return_type=<ret(NT_valuebox Text)> function_name=<caption> class_name=<Plotter_i>
[hh.arglist] arglist=<[cchh.argument] arg_type=<env_t&> arg_name=<env>
>
[hh.class.member.end] class_name=<Plotter_i>
[hh.class.member.begin] return_type=<void> function_name=<caption> class_name=<Plotter_i>
[hh.arglist] arglist=<[cchh.argument] arg_type=<in(NT_valuebox Text)> arg_name=<caption>
[cchh.arglist.separator]
[cchh.argument] arg_type=<env_t&> arg_name=<env>
>
[hh.class.member.end] class_name=<Plotter_i>
[hh.class.end] class_name=<Plotter_i>
[hh.end] header_check=<hTIMEhPIDhN_h>
