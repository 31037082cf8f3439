[cc.begin] header_check=<hTIMEhPIDhN_h> header_file=<"values_i.hh"> ztime=<YYYY-MM-DD HH:MM:SSZ> timestamp=<YYYY-MM-DD HH:MM:SS> utilclass=<values_iUtils>
[cc.clone.struct.begin] return_type=<Point::Pair> arg_type=<Point::Pair>
[cc.clone.struct.field] field_name=<x> return_type=<ret(long)>
[cc.clone.struct.field] field_name=<y> return_type=<ret(long)>
[cc.clone.struct.end] return_type=<ret(long)> arg_type=<Point::Pair>
[cc.clone.struct.pointer.begin] return_type=<Point::Pair> arg_type=<Point::Pair>
[cc.clone.struct.pointer.field] field_name=<x> return_type=<ret(long)>
[cc.clone.struct.pointer.field] field_name=<y> return_type=<ret(long)>
[cc.clone.struct.pointer.end] return_type=<ret(long)> arg_type=<Point::Pair>
[cc.make.struct.begin] make_type=<Point_Pair> return_type=<ret(NT_struct_fixed Point::Pair)> arglist=<[cchh.argument] arg_type=<ret(long)> arg_name=<arg1>
[cchh.arglist.separator]
[cchh.argument] arg_type=<ret(long)> arg_name=<arg2>
>
[cc.make.struct.field] field_name=<x> arg_name=<arg1>
[cc.make.struct.field] field_name=<y> arg_name=<arg2>
[cc.make.struct.end] make_type=<Point_Pair> return_type=<ret(NT_struct_fixed Point::Pair)> arglist=<[cchh.argument] arg_type=<ret(long)> arg_name=<arg1>
[cchh.arglist.separator]
[cchh.argument] arg_type=<ret(long)> arg_name=<arg2>
>
[cc.compare.struct.begin] return_type=<Point::Pair> arg_type=<Point::Pair>
[cc.compare.struct.field] field_name=<x> return_type=<ret(long)>
[cc.compare.struct.field] field_name=<y> return_type=<ret(long)>
[cc.compare.struct.end] return_type=<ret(long)> arg_type=<Point::Pair>
[cc.clone.struct.begin] return_type=<Labelled> arg_type=<Labelled>
[cc.clone.struct.field] field_name=<where> return_type=<ret(NT_valuetype Point)>
[cc.clone.struct.field] field_name=<label> return_type=<ret(NT_valuebox Text)>
[cc.clone.struct.end] return_type=<ret(NT_valuebox Text)> arg_type=<Labelled>
[cc.clone.struct.pointer.begin] return_type=<Labelled> arg_type=<Labelled>
[cc.clone.struct.pointer.field] field_name=<where> return_type=<ret(NT_valuetype Point)>
[cc.clone.struct.pointer.field] field_name=<label> return_type=<ret(NT_valuebox Text)>
[cc.clone.struct.pointer.end] return_type=<ret(NT_valuebox Text)> arg_type=<Labelled>
[cc.make.struct.begin] make_type=<Labelled> return_type=<ret(NT_struct_fixed Labelled)> arglist=<[cchh.argument] arg_type=<ret(NT_valuetype Point)> arg_name=<arg1>
[cchh.arglist.separator]
[cchh.argument] arg_type=<ret(NT_valuebox Text)> arg_name=<arg2>
>
[cc.make.struct.field] field_name=<where> arg_name=<arg1>
[cc.make.struct.field] field_name=<label> arg_name=<arg2>
[cc.make.struct.end] make_type=<Labelled> return_type=<ret(NT_struct_fixed Labelled)> arglist=<[cchh.argument] arg_type=<ret(NT_valuetype Point)> arg_name=<arg1>
[cchh.arglist.separator]
[cchh.argument] arg_type=<ret(NT_valuebox Text)> arg_name=<arg2>
>
[cc.compare.struct.begin] return_type=<Labelled> arg_type=<Labelled>
[cc.compare.struct.field] field_name=<where> return_type=<ret(NT_valuetype Point)>
[cc.compare.struct.field] field_name=<label> return_type=<ret(NT_valuebox Text)>
[cc.compare.struct.end] return_type=<ret(NT_valuebox Text)> arg_type=<Labelled>
[cc.clone.interface] interface_name=<Plotter> return_type=<ret(NT_interface Plotter)> arg_type=<in(NT_interface Plotter)>
[cc.compare.interface] interface_name=<Plotter> return_type=<ret(NT_interface Plotter)> arg_type=<in(NT_interface Plotter)>
[cc.class.begin] class_name=<Plotter_i>
[cc.class.members.begin] class_name=<Plotter_i>
[cc.class.member.begin] return_type=<> function_name=<Plotter_i> arglist=<> class_name=<Plotter_i>
[cc.class.member.body.begin] return_type=<> function_name=<Plotter_i> arglist=<> class_name=<Plotter_i>
[cc.class.constructor.stubout] return_type=<>
[cc.class.member.end] return_type=<>
[cc.class.member.begin] return_type=<ret(NT_valuetype Point)> function_name=<plot> arglist=<[cchh.argument] arg_type=<in(NT_valuetype Point)> arg_name=<p>
[cchh.arglist.separator]
[cchh.argument] arg_type=<out(NT_valuebox Text)> arg_name=<t>
[cchh.arglist.separator]
[cchh.argument] arg_type=<inout(NT_valuetype Later)> arg_name=<l>
[cchh.arglist.separator]
[cchh.argument] arg_type=<env_t&> arg_name=<env>
> class_name=<Plotter_i>
[cc.class.member.body.begin] return_type=<ret(NT_valuetype Point)> function_name=<plot> arglist=<[cchh.argument] arg_type=<in(NT_valuetype Point)> arg_name=<p>
[cchh.arglist.separator]
[cchh.argument] arg_type=<out(NT_valuebox Text)> arg_name=<t>
[cchh.arglist.separator]
[cchh.argument] arg_type=<inout(NT_valuetype Later)> arg_name=<l>
[cchh.arglist.separator]
[cchh.argument] arg_type=<env_t&> arg_name=<env>
> class_name=<Plotter_i>
[cc.class.member.other.stubout] return_type=<ret(NT_valuetype Point)>
[cc.class.member.other.dummy_return] return_type=<ret(NT_valuetype Point)>
[cc.class.member.end] return_type=<ret(NT_valuetype Point)>
[cc.class.member.begin] return_type=<ret(NT_valuebox Text)> function_name=<caption> arglist=<[cchh.argument] arg_type=<env_t&> arg_name=<env>
> class_name=<Plotter_i>
[cc.class.member.body.begin] return_type=<ret(NT_valuebox Text)> function_name=<caption> arglist=<[cchh.argument] arg_type=<env_t&> arg_name=<env>
> class_name=<Plotter_i>
[cc.class.member.other.stubout] return_type=<ret(NT_valuebox Text)>
[cc.class.member.other.dummy_return] return_type=<ret(NT_valuebox Text)>
[cc.class.member.end] return_type=<ret(NT_valuebox Text)>
[cc.class.member.begin] return_type=<void> function_name=<caption> arglist=<[cchh.argument] arg_type=<in(NT_valuebox Text)> arg_name=<caption>
[cchh.arglist.separator]
[cchh.argument] arg_type=<env_t&> arg_name=<env>
> class_name=<Plotter_i>
[cc.class.member.body.begin] return_type=<void> function_name=<caption> arglist=<[cchh.argument] arg_type=<in(NT_valuebox Text)> arg_name=<caption>
[cchh.arglist.separator]
[cchh.argument] arg_type=<env_t&> arg_name=<env>
> class_name=<Plotter_i>
[cc.class.member.void.stubout] return_type=<ret(NT_valuebox Text)>
[cc.class.member.void.dummy_return] return_type=<ret(NT_valuebox Text)>
[cc.class.member.end] return_type=<void>
[cc.class.end]
[cc.main.begin] mainclass=<values_i>
[cc.main.stubout] mainclass=<values_i>
[cc.main.end] mainclass=<values_i>
[cc.class.end]
[cc.end]
