[cc.begin] header_check=<hTIMEhPIDhN_h> header_file=<"shapes_i.hh"> ztime=<YYYY-MM-DD HH:MM:SSZ> timestamp=<YYYY-MM-DD HH:MM:SS> utilclass=<shapes_iUtils>
[cc.clone.enum] return_type=<ret(NT_enum M::Color)> arg_type=<in(NT_enum M::Color)>
[cc.compare.enum] return_type=<ret(NT_enum M::Color)> arg_type=<in(NT_enum M::Color)>
[cc.clone.sequence] return_type=<M::LongSeq> arg_type=<M::LongSeq> define_id=<long> altdefid=<M_LongSeq>
[cc.clone.sequence.pointer] return_type=<M::LongSeq> arg_type=<M::LongSeq> define_id=<long> altdefid=<M_LongSeq>
[cc.make.sequence] make_type=<M_LongSeq> return_type=<M::LongSeq> arg_type=<ret(long)>
[cc.compare.sequence] arg_type=<M::LongSeq>
[cc.clone.sequence] return_type=<M::Alias> arg_type=<M::Alias> define_id=<long> altdefid=<M_Alias>
[cc.clone.sequence.pointer] return_type=<M::Alias> arg_type=<M::Alias> define_id=<long> altdefid=<M_Alias>
[cc.make.sequence] make_type=<M_Alias> return_type=<M::Alias> arg_type=<ret(long)>
[cc.compare.sequence] arg_type=<M::Alias>
[cc.clone.struct.begin] return_type=<M::Point> arg_type=<M::Point>
[cc.clone.struct.field] field_name=<x> return_type=<ret(long)>
[cc.clone.struct.field] field_name=<y> return_type=<ret(long)>
[cc.clone.struct.end] return_type=<ret(long)> arg_type=<M::Point>
[cc.clone.struct.pointer.begin] return_type=<M::Point> arg_type=<M::Point>
[cc.clone.struct.pointer.field] field_name=<x> return_type=<ret(long)>
[cc.clone.struct.pointer.field] field_name=<y> return_type=<ret(long)>
[cc.clone.struct.pointer.end] return_type=<ret(long)> arg_type=<M::Point>
[cc.make.struct.begin] make_type=<M_Point> return_type=<ret(NT_struct_fixed M::Point)> arglist=<[cchh.argument] arg_type=<ret(long)> arg_name=<arg1>
[cchh.arglist.separator]
[cchh.argument] arg_type=<ret(long)> arg_name=<arg2>
>
[cc.make.struct.field] field_name=<x> arg_name=<arg1>
[cc.make.struct.field] field_name=<y> arg_name=<arg2>
[cc.make.struct.end] make_type=<M_Point> return_type=<ret(NT_struct_fixed M::Point)> arglist=<[cchh.argument] arg_type=<ret(long)> arg_name=<arg1>
[cchh.arglist.separator]
[cchh.argument] arg_type=<ret(long)> arg_name=<arg2>
>
[cc.compare.struct.begin] return_type=<M::Point> arg_type=<M::Point>
[cc.compare.struct.field] field_name=<x> return_type=<ret(long)>
[cc.compare.struct.field] field_name=<y> return_type=<ret(long)>
[cc.compare.struct.end] return_type=<ret(long)> arg_type=<M::Point>
[cc.clone.struct.begin] return_type=<M::Outer::Inner> arg_type=<M::Outer::Inner>
[cc.clone.struct.field] field_name=<z> return_type=<ret(long)>
[cc.clone.struct.end] return_type=<ret(long)> arg_type=<M::Outer::Inner>
[cc.clone.struct.pointer.begin] return_type=<M::Outer::Inner> arg_type=<M::Outer::Inner>
[cc.clone.struct.pointer.field] field_name=<z> return_type=<ret(long)>
[cc.clone.struct.pointer.end] return_type=<ret(long)> arg_type=<M::Outer::Inner>
[cc.make.struct.begin] make_type=<M_Outer_Inner> return_type=<ret(NT_struct_fixed M::Outer::Inner)> arglist=<[cchh.argument] arg_type=<ret(long)> arg_name=<arg1>
>
[cc.make.struct.field] field_name=<z> arg_name=<arg1>
[cc.make.struct.end] make_type=<M_Outer_Inner> return_type=<ret(NT_struct_fixed M::Outer::Inner)> arglist=<[cchh.argument] arg_type=<ret(long)> arg_name=<arg1>
>
[cc.compare.struct.begin] return_type=<M::Outer::Inner> arg_type=<M::Outer::Inner>
[cc.compare.struct.field] field_name=<z> return_type=<ret(long)>
[cc.compare.struct.end] return_type=<ret(long)> arg_type=<M::Outer::Inner>
[cc.clone.enum] return_type=<ret(NT_enum M::Outer::Mode)> arg_type=<in(NT_enum M::Outer::Mode)>
[cc.compare.enum] return_type=<ret(NT_enum M::Outer::Mode)> arg_type=<in(NT_enum M::Outer::Mode)>
[cc.clone.struct.begin] return_type=<M::Outer> arg_type=<M::Outer>
[cc.clone.struct.field] field_name=<inner> return_type=<ret(NT_struct_fixed M::Outer::Inner)>
[cc.clone.struct.field] field_name=<mode> return_type=<ret(NT_enum M::Outer::Mode)>
[cc.clone.struct.field] field_name=<p> return_type=<ret(NT_struct_fixed M::Point)>
[cc.clone.struct.end] return_type=<ret(NT_struct_fixed M::Point)> arg_type=<M::Outer>
[cc.clone.struct.pointer.begin] return_type=<M::Outer> arg_type=<M::Outer>
[cc.clone.struct.pointer.field] field_name=<inner> return_type=<ret(NT_struct_fixed M::Outer::Inner)>
[cc.clone.struct.pointer.field] field_name=<mode> return_type=<ret(NT_enum M::Outer::Mode)>
[cc.clone.struct.pointer.field] field_name=<p> return_type=<ret(NT_struct_fixed M::Point)>
[cc.clone.struct.pointer.end] return_type=<ret(NT_struct_fixed M::Point)> arg_type=<M::Outer>
[cc.make.struct.begin] make_type=<M_Outer> return_type=<ret(NT_struct_fixed M::Outer)> arglist=<[cchh.argument] arg_type=<ret(NT_struct_fixed M::Outer::Inner)> arg_name=<arg1>
[cchh.arglist.separator]
[cchh.argument] arg_type=<ret(NT_enum M::Outer::Mode)> arg_name=<arg2>
[cchh.arglist.separator]
[cchh.argument] arg_type=<ret(NT_struct_fixed M::Point)> arg_name=<arg3>
>
[cc.make.struct.field] field_name=<inner> arg_name=<arg1>
[cc.make.struct.field] field_name=<mode> arg_name=<arg2>
[cc.make.struct.field] field_name=<p> arg_name=<arg3>
[cc.make.struct.end] make_type=<M_Outer> return_type=<ret(NT_struct_fixed M::Outer)> arglist=<[cchh.argument] arg_type=<ret(NT_struct_fixed M::Outer::Inner)> arg_name=<arg1>
[cchh.arglist.separator]
[cchh.argument] arg_type=<ret(NT_enum M::Outer::Mode)> arg_name=<arg2>
[cchh.arglist.separator]
[cchh.argument] arg_type=<ret(NT_struct_fixed M::Point)> arg_name=<arg3>
>
[cc.compare.struct.begin] return_type=<M::Outer> arg_type=<M::Outer>
[cc.compare.struct.field] field_name=<inner> return_type=<ret(NT_struct_fixed M::Outer::Inner)>
[cc.compare.struct.field] field_name=<mode> return_type=<ret(NT_enum M::Outer::Mode)>
[cc.compare.struct.field] field_name=<p> return_type=<ret(NT_struct_fixed M::Point)>
[cc.compare.struct.end] return_type=<ret(NT_struct_fixed M::Point)> arg_type=<M::Outer>
[cc.clone.union.begin] return_type=<M::U> arg_type=<M::U>
[cc.clone.union.field] field_name=<a> return_type=<ret(long)> discriminant_value=<0>
[cc.clone.union.defaultfield] field_name=<b> return_type=<ret(NT_string local type)>
[cc.clone.union.end] return_type=<ret(NT_string local type)> arg_type=<M::U>
[cc.clone.union.pointer.begin] return_type=<M::U> arg_type=<M::U>
[cc.clone.union.pointer.field] field_name=<a> return_type=<ret(long)> discriminant_value=<0>
[cc.clone.union.pointer.defaultfield] field_name=<b> return_type=<ret(NT_string local type)>
[cc.clone.union.pointer.end] return_type=<ret(NT_string local type)> arg_type=<M::U>
[cc.make.union.begin] make_type=<M_U> return_type=<ret(NT_union_fixed M::U)>
[cc.make.union.field] field_name=<a> arg_type=<ret(long)> discriminant_value=<0>
[cc.make.union.defaultfield] field_name=<b> arg_type=<ret(NT_string local type)>
[cc.make.union.end] make_type=<M_U> return_type=<ret(NT_union_fixed M::U)>
[cc.compare.union.begin] return_type=<M::U> arg_type=<M::U>
[cc.compare.union.field] field_name=<a> return_type=<ret(long)> discriminant_value=<0>
[cc.compare.union.defaultfield] field_name=<b> return_type=<ret(NT_string local type)>
[cc.compare.union.end] return_type=<ret(NT_string local type)> arg_type=<M::U>
[cc.clone.union.begin] return_type=<M::V> arg_type=<M::V>
[cc.clone.union.field] field_name=<one> return_type=<ret(long)> discriminant_value=<1>
[cc.clone.union.field] field_name=<two> return_type=<ret(NT_struct_fixed M::Point)> discriminant_value=<2>
[cc.clone.union.end] return_type=<ret(NT_struct_fixed M::Point)> arg_type=<M::V>
[cc.clone.union.pointer.begin] return_type=<M::V> arg_type=<M::V>
[cc.clone.union.pointer.field] field_name=<one> return_type=<ret(long)> discriminant_value=<1>
[cc.clone.union.pointer.field] field_name=<two> return_type=<ret(NT_struct_fixed M::Point)> discriminant_value=<2>
[cc.clone.union.pointer.end] return_type=<ret(NT_struct_fixed M::Point)> arg_type=<M::V>
[cc.make.union.begin] make_type=<M_V> return_type=<ret(NT_union_fixed M::V)>
[cc.make.union.field] field_name=<one> arg_type=<ret(long)> discriminant_value=<1>
[cc.make.union.field] field_name=<two> arg_type=<ret(NT_struct_fixed M::Point)> discriminant_value=<2>
[cc.make.union.end] make_type=<M_V> return_type=<ret(NT_union_fixed M::V)>
[cc.compare.union.begin] return_type=<M::V> arg_type=<M::V>
[cc.compare.union.field] field_name=<one> return_type=<ret(long)> discriminant_value=<1>
[cc.compare.union.field] field_name=<two> return_type=<ret(NT_struct_fixed M::Point)> discriminant_value=<2>
[cc.compare.union.end] return_type=<ret(NT_struct_fixed M::Point)> arg_type=<M::V>
[cc.clone.union.begin] return_type=<M::W> arg_type=<M::W>
[cc.clone.union.field] field_name=<g> return_type=<M::Alias> discriminant_value=<1>
[cc.clone.union.field] field_name=<b> return_type=<ret(long)> discriminant_value=<2>
[cc.clone.union.end] return_type=<ret(long)> arg_type=<M::W>
[cc.clone.union.pointer.begin] return_type=<M::W> arg_type=<M::W>
[cc.clone.union.pointer.field] field_name=<g> return_type=<M::Alias> discriminant_value=<1>
[cc.clone.union.pointer.field] field_name=<b> return_type=<ret(long)> discriminant_value=<2>
[cc.clone.union.pointer.end] return_type=<ret(long)> arg_type=<M::W>
[cc.make.union.begin] make_type=<M_W> return_type=<ret(NT_union_fixed M::W)>
[cc.make.union.field] field_name=<g> arg_type=<M::Alias> discriminant_value=<1>
[cc.make.union.field] field_name=<b> arg_type=<ret(long)> discriminant_value=<2>
[cc.make.union.end] make_type=<M_W> return_type=<ret(NT_union_fixed M::W)>
[cc.compare.union.begin] return_type=<M::W> arg_type=<M::W>
[cc.compare.union.field] field_name=<g> return_type=<M::Alias> discriminant_value=<1>
[cc.compare.union.field] field_name=<b> return_type=<ret(long)> discriminant_value=<2>
[cc.compare.union.end] return_type=<ret(long)> arg_type=<M::W>
[cc.clone.interface] interface_name=<M::Shapes> return_type=<ret(NT_interface M::Shapes)> arg_type=<in(NT_interface M::Shapes)>
[cc.compare.interface] interface_name=<M::Shapes> return_type=<ret(NT_interface M::Shapes)> arg_type=<in(NT_interface M::Shapes)>
[cc.class.begin] class_name=<M_Shapes_i>
[cc.class.members.begin] class_name=<M_Shapes_i>
[cc.class.member.begin] return_type=<> function_name=<M_Shapes_i> arglist=<> class_name=<M_Shapes_i>
[cc.class.member.body.begin] return_type=<> function_name=<M_Shapes_i> arglist=<> class_name=<M_Shapes_i>
[cc.class.constructor.stubout] return_type=<>
[cc.class.member.end] return_type=<>
[cc.qor.script.classvar] scriptcounter=<scriptcounter0> qor_function=<M::Shapes::take> qor_file=<"calls.qor"> qor_use=<1> qor_in_order=<0> qor_calls=<[cc.qor.script.call] qor_line=<2> qor_position=<1>
[cc.qor.script.call] qor_line=<3> qor_position=<2>
>
[cc.class.member.begin] return_type=<void> function_name=<take> arglist=<[cchh.argument] arg_type=<in(NT_sequence M.LongSeq of in(long))> arg_name=<s>
[cchh.arglist.separator]
[cchh.argument] arg_type=<in(NT_sequence M.Alias of in(long))> arg_name=<t>
[cchh.arglist.separator]
[cchh.argument] arg_type=<in(NT_struct_fixed M.Outer)> arg_name=<o>
[cchh.arglist.separator]
[cchh.argument] arg_type=<in(NT_union M.U)> arg_name=<u>
[cchh.arglist.separator]
[cchh.argument] arg_type=<in(NT_union_fixed M.V)> arg_name=<v>
[cchh.arglist.separator]
[cchh.argument] arg_type=<in(NT_union M.W)> arg_name=<w>
[cchh.arglist.separator]
[cchh.argument] arg_type=<in(NT_interface M.Shapes)> arg_name=<self>
[cchh.arglist.separator]
[cchh.argument] arg_type=<env_t&> arg_name=<env>
> class_name=<M_Shapes_i>
[cc.class.member.body.begin] return_type=<void> function_name=<take> arglist=<[cchh.argument] arg_type=<in(NT_sequence M.LongSeq of in(long))> arg_name=<s>
[cchh.arglist.separator]
[cchh.argument] arg_type=<in(NT_sequence M.Alias of in(long))> arg_name=<t>
[cchh.arglist.separator]
[cchh.argument] arg_type=<in(NT_struct_fixed M.Outer)> arg_name=<o>
[cchh.arglist.separator]
[cchh.argument] arg_type=<in(NT_union M.U)> arg_name=<u>
[cchh.arglist.separator]
[cchh.argument] arg_type=<in(NT_union_fixed M.V)> arg_name=<v>
[cchh.arglist.separator]
[cchh.argument] arg_type=<in(NT_union M.W)> arg_name=<w>
[cchh.arglist.separator]
[cchh.argument] arg_type=<in(NT_interface M.Shapes)> arg_name=<self>
[cchh.arglist.separator]
[cchh.argument] arg_type=<env_t&> arg_name=<env>
> class_name=<M_Shapes_i>
[cc.qor.script.begin] scriptcounter=<scriptcounter0>
[cc.case.call] value=<1>
[cc.qor.check] leftarg=<s> rightarg=<[cc.make.sequence.funcall.begin] return_type=<M_LongSeq> sequence_length=<2>
[cchh.arglist.separator]
[cc.make.leafvalue] value=<1> return_type=<ret(long)>
[cchh.arglist.separator]
[cc.make.leafvalue] value=<2> return_type=<ret(long)>
[cc.make.sequence.funcall.end] return_type=<ret(long)> sequence_length=<2>
> precision=<1e-5>
[cc.qor.check] leftarg=<t> rightarg=<[cc.make.sequence.funcall.begin] return_type=<M_LongSeq> sequence_length=<0>
[cc.make.sequence.funcall.end] return_type=<M_LongSeq> sequence_length=<0>
> precision=<1e-5>
[cc.qor.check] leftarg=<o> rightarg=<[cc.make.struct.funcall.begin] return_type=<M_Outer>
[cc.make.struct.funcall.begin] return_type=<M_Outer_Inner>
[cc.make.leafvalue] value=<7> return_type=<ret(long)>
[cc.make.struct.funcall.end] return_type=<ret(long)>
[cchh.arglist.separator]
[cc.make.leafvalue] value=<1> return_type=<ret(NT_enum M.Outer.Mode)>
[cchh.arglist.separator]
[cc.make.struct.funcall.begin] return_type=<M_Point>
[cc.make.leafvalue] value=<3> return_type=<ret(long)>
[cchh.arglist.separator]
[cc.make.leafvalue] value=<4> return_type=<ret(long)>
[cc.make.struct.funcall.end] return_type=<ret(long)>
[cc.make.struct.funcall.end] return_type=<ret(long)>
> precision=<1e-5>
[cc.qor.check] leftarg=<u> rightarg=<[cc.make.union.funcall.begin] return_type=<M_U>
0[cchh.arglist.separator]
[cc.make.union.funcall.parm2.begin] return_type=<M_U>
[cc.make.leafvalue] value=<5> return_type=<ret(long)>
[cc.make.union.funcall.end] return_type=<ret(long)>
> precision=<1e-5>
[cc.qor.check] leftarg=<v> rightarg=<[cc.make.union.funcall.begin] return_type=<M_V>
2[cchh.arglist.separator]
[cc.make.union.funcall.parm2.begin] return_type=<M_V>
[cc.make.struct.funcall.begin] return_type=<M_Point>
[cc.make.leafvalue] value=<1> return_type=<ret(long)>
[cchh.arglist.separator]
[cc.make.leafvalue] value=<2> return_type=<ret(long)>
[cc.make.struct.funcall.end] return_type=<ret(long)>
[cc.make.union.funcall.end] return_type=<ret(long)>
> precision=<1e-5>
[cc.qor.check] leftarg=<w> rightarg=<[cc.make.union.funcall.begin] return_type=<M_W>
1[cchh.arglist.separator]
[cc.make.union.funcall.parm2.begin] return_type=<M_W>
[cc.make.sequence.funcall.begin] return_type=<M_LongSeq> sequence_length=<1>
[cchh.arglist.separator]
[cc.make.leafvalue] value=<9> return_type=<ret(long)>
[cc.make.sequence.funcall.end] return_type=<ret(long)> sequence_length=<1>
[cc.make.union.funcall.end] return_type=<ret(long)>
> precision=<1e-5>
[cc.qor.check] leftarg=<self> rightarg=<[cc.make.leafobject] class_name=<M_Shapes_i> split_module=<M> split_class=<Shapes> uspmodule=<M> javamodsep=<.> interface_name=<M.Shapes> uinterface=<M_Shapes>
> precision=<1e-5>
[cc.end.scriptcall]
[cc.case.call] value=<2>
[cc.qor.check] leftarg=<s> rightarg=<[cc.make.sequence.funcall.begin] return_type=<M_LongSeq> sequence_length=<0>
[cc.make.sequence.funcall.end] return_type=<M_LongSeq> sequence_length=<0>
> precision=<1e-5>
[cc.qor.check] leftarg=<t> rightarg=<[cc.make.sequence.funcall.begin] return_type=<M_LongSeq> sequence_length=<1>
[cchh.arglist.separator]
[cc.make.leafvalue] value=<3> return_type=<ret(long)>
[cc.make.sequence.funcall.end] return_type=<ret(long)> sequence_length=<1>
> precision=<1e-5>
[cc.qor.check] leftarg=<o> rightarg=<[cc.make.struct.funcall.begin] return_type=<M_Outer>
[cc.make.struct.funcall.begin] return_type=<M_Outer_Inner>
[cc.make.leafvalue] value=<0> return_type=<ret(long)>
[cc.make.struct.funcall.end] return_type=<ret(long)>
[cchh.arglist.separator]
[cc.make.leafvalue] value=<0> return_type=<ret(NT_enum M.Outer.Mode)>
[cchh.arglist.separator]
[cc.make.struct.funcall.begin] return_type=<M_Point>
[cc.make.leafvalue] value=<0> return_type=<ret(long)>
[cchh.arglist.separator]
[cc.make.leafvalue] value=<0> return_type=<ret(long)>
[cc.make.struct.funcall.end] return_type=<ret(long)>
[cc.make.struct.funcall.end] return_type=<ret(long)>
> precision=<1e-5>
[cc.qor.check] leftarg=<u> rightarg=<[cc.make.union.funcall.begin] return_type=<M_U>
-1000000[cchh.arglist.separator]
[cc.make.union.funcall.parm2.begin] return_type=<M_U>
[cc.make.leafvalue] value=<"x"> return_type=<ret(NT_string local type)>
[cc.make.union.funcall.end] return_type=<ret(NT_string local type)>
> precision=<1e-5>
[cc.qor.check] leftarg=<v> rightarg=<[cc.make.union.funcall.begin] return_type=<M_V>
2[cchh.arglist.separator]
[cc.make.union.funcall.parm2.begin] return_type=<M_V>
[cc.make.struct.funcall.begin] return_type=<M_Point>
[cc.make.leafvalue] value=<0> return_type=<ret(long)>
[cchh.arglist.separator]
[cc.make.leafvalue] value=<0> return_type=<ret(long)>
[cc.make.struct.funcall.end] return_type=<ret(long)>
[cc.make.union.funcall.end] return_type=<ret(long)>
> precision=<1e-5>
[cc.qor.check] leftarg=<w> rightarg=<[cc.make.union.funcall.begin] return_type=<M_W>
2[cchh.arglist.separator]
[cc.make.union.funcall.parm2.begin] return_type=<M_W>
[cc.make.leafvalue] value=<1> return_type=<ret(long)>
[cc.make.union.funcall.end] return_type=<ret(long)>
> precision=<1e-5>
[cc.qor.check] leftarg=<self> rightarg=<[cc.make.leafobject] class_name=<M_Shapes_i> split_module=<M> split_class=<Shapes> uspmodule=<M> javamodsep=<.> interface_name=<M.Shapes> uinterface=<M_Shapes>
> precision=<1e-5>
[cc.end.scriptcall]
[cc.script.end]
[cc.qor.scripts.after]
[cc.class.member.void.dummy_return] return_type=<void>
[cc.class.member.end] return_type=<void>
[cc.class.end]
[cc.main.begin] mainclass=<shapes_i>
[cc.main.stubout] mainclass=<shapes_i>
[cc.main.end] mainclass=<shapes_i>
[cc.class.end]
[cc.end]
